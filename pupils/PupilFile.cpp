#include "pupils/PupilFile.h"

#include "app/TextRoutines.h"
#include "platform/text/PascalText.h"
#include "platform/text/TextLines.h"
#include "platform/text/Windows1252.h"

#include <QStringDecoder>
#include <array>

namespace pupils {

namespace {

constexpr int kHeaderFields = 19;
constexpr int kNameCut = 20;
constexpr int kLongCut = 50;

// The fields of a line that a ";" ends, at most `limit`; what follows the last ";" is not one.
QStringList endedFields(const QString& line, int limit)
{
    QStringList fields;
    qsizetype from = 0;
    while (fields.size() < limit) {
        const qsizetype end = line.indexOf(u';', from);
        if (end < 0)
            break;
        fields << line.mid(from, end - from);
        from = end + 1;
    }
    return fields;
}

QString cut(const QString& value, int length)
{
    return text::Trim(text::Copy(value, 1, length));
}

bool isBlank(const QString& line)
{
    return text::Trim(line).isEmpty();
}

QString withoutQuotes(QString line)
{
    return line.remove(u'"');
}

}  // namespace

QStringList pupilFileLines(const QByteArray& bytes)
{
    QString content;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8.decode(bytes);
    content = utf8.hasError() ? text::decodeWindows1252(bytes) : decoded;
    if (content.startsWith(QChar(0xFEFF)))
        content.remove(0, 1);
    QStringList lines = text::splitLines(content);
    for (QString& line : lines)
        line = ControlCharsToSpaces(line);
    return lines;
}

PupilCsvHeader readPupilCsvHeader(const QString& headerLine)
{
    static const std::array<std::pair<QString, int PupilCsvHeader::*>, 6> kNames{{
        {QStringLiteral("Nom élève"), &PupilCsvHeader::surname},
        {QStringLiteral("EmpNom"), &PupilCsvHeader::surname},
        {QStringLiteral("Prénom élève"), &PupilCsvHeader::firstName},
        {QStringLiteral("EmpPrenom"), &PupilCsvHeader::firstName},
        {QStringLiteral("Libellé classe"), &PupilCsvHeader::className},
        {QStringLiteral("Classe"), &PupilCsvHeader::className},
    }};
    PupilCsvHeader header;
    const QStringList fields = endedFields(withoutQuotes(headerLine), kHeaderFields);
    for (int i = 0; i < fields.size(); ++i)
        for (const auto& [name, column] : kNames)
            if (text::Trim(fields[i]) == name)
                header.*column = i + 1;
    return header;
}

std::optional<PupilFile> readPupilCsv(const QStringList& lines)
{
    if (lines.isEmpty())
        return std::nullopt;
    const PupilCsvHeader header = readPupilCsvHeader(lines.first());
    if (!header.complete())
        return std::nullopt;
    PupilFile file;
    for (int i = 1; i < lines.size(); ++i) {
        if (isBlank(lines[i]))
            continue;
        const QStringList fields = endedFields(withoutQuotes(lines[i]), kHeaderFields);
        const auto value = [&fields](int column) { return column <= fields.size() ? fields[column - 1] : QString(); };
        PupilValues pupil;
        pupil.lineNumber = i + 1;
        pupil.surname = text::UpperCase(cut(value(header.surname), kNameCut));
        pupil.firstName = cut(value(header.firstName), kNameCut);
        pupil.className = cut(value(header.className), kNameCut);
        if (pupil.surname.isEmpty() || pupil.firstName.isEmpty())
            file.skippedLines << pupil.lineNumber;
        else
            file.pupils.push_back(pupil);
    }
    return file;
}

PupilFile readPupilText(const QStringList& lines)
{
    PupilFile file;
    for (int i = 1; i < lines.size(); ++i) {
        if (isBlank(lines[i]))
            continue;
        QString rest = lines[i];
        const auto next = [&rest] {
            const qsizetype end = rest.indexOf(u';');
            const QString field = end < 0 ? rest : rest.left(end);
            rest = end < 0 ? QString() : rest.mid(end + 1);
            return field;
        };
        PupilValues pupil;
        pupil.lineNumber = i + 1;
        pupil.surname = text::UpperCase(cut(next(), kNameCut));
        pupil.firstName = cut(next(), kNameCut);
        pupil.className = cut(next(), kNameCut);
        pupil.school = cut(next(), kLongCut);
        const qsizetype separator = rest.indexOf(u';');
        pupil.mail = cut(separator < 0 ? rest : rest.mid(separator + 1), kLongCut);
        if (pupil.surname.isEmpty() || pupil.firstName.isEmpty())
            file.skippedLines << pupil.lineNumber;
        else
            file.pupils.push_back(pupil);
    }
    return file;
}

}  // namespace pupils
