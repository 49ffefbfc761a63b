#pragma once
// The captions of the scan dialogs and the wording of their failures, shown to the user as they
// are: English until the program gives its own at start. "%1" stands for the unit of the area.
#include <QString>

namespace scan {

struct Texts {
    QString chooseSource = QStringLiteral("Choose a source");
    QString sourcesHeading = QStringLiteral("Scanners and webcams:");
    QString noSource = QStringLiteral("No scanner or webcam was found.");
    QString noCamera = QStringLiteral("No webcam was found.");
    QString select = QStringLiteral("Select");
    QString cancel = QStringLiteral("Cancel");
    QString takePhoto = QStringLiteral("Take the photo");
    QString scan = QStringLiteral("Scan");
    QString resolution = QStringLiteral("Resolution (dpi)");
    QString mode = QStringLiteral("Mode");
    QString area = QStringLiteral("Area (%1)");
    QString left = QStringLiteral("Left");
    QString top = QStringLiteral("Top");
    QString right = QStringLiteral("Right");
    QString bottom = QStringLiteral("Bottom");
    QString noCameraImage = QStringLiteral("the webcam gave no image");
    QString unknownImageFormat = QStringLiteral("unknown image format");
    QString imageTooLarge = QStringLiteral("image too large: choose a lower resolution or a smaller area");
};

const Texts& texts();
void setTexts(const Texts& given);

}  // namespace scan
