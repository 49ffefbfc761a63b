#pragma once
// The preview window on a virtual clock with scripted dialogs, started in a working folder of its
// own, laying pages out with the rich-text engine and printing to a PDF file of that folder.
#include "PdfPages.h"
#include "platform/richtext/PreviewEngine.h"
#include "platform/richtext/RtfWriter.h"
#include "platform/ui/Application.h"
#include "platform/ui/Clock.h"
#include "platform/ui/ScriptedDialogs.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/testing/InputDriver.h"
#include "preview/PreviewWindow.h"
#include "tests/platform/richtext/RichTextFixture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

namespace preview {

class PreviewFixture : public ::testing::Test {
protected:
    PreviewFixture() : m_previousFolder(QDir::currentPath())
    {
        // Widgets, for the tests that show the window through the renderer.
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "test_preview";
            static char* argv[] = {name, nullptr};
            static QApplication* application = new QApplication(argc, argv);
            (void)application;
        }
        m_pdf = std::make_unique<QPrinter>();
        richtext::setUpPdfPrinter(*m_pdf, pdfPath());
        ui::PrintPreviewEngine::install(&m_engine);
        QDir::setCurrent(m_folder.path());
    }

    ~PreviewFixture() override
    {
        window.reset();
        ui::PrintPreviewEngine::install(nullptr);
        QDir::setCurrent(m_previousFolder);
    }

    void writeLabelFile(const richtext::Document& document) const
    {
        richtext::saveRtf(document, m_folder.filePath(QStringLiteral("Etiquettes.RTF")));
    }

    void open()
    {
        window = std::make_unique<TFrmMain>(app);
        app.setMainForm(window.get());
        window->show();
        app.processMessages();
    }

    QString panel(int index) const { return window->SbrPreview->panelTexts().value(index); }
    QString pdfPath() const { return m_folder.filePath(QStringLiteral("printed.pdf")); }

    int printedPages() const { return pdfPages(pdfPath()); }

    bool printerInstalled = true;
    ui::VirtualClock clock;
    ui::ScriptedDialogs dialogs;
    ui::Application app{clock, dialogs};
    ui::testing::InputDriver input{app};
    std::unique_ptr<TFrmMain> window;

private:
    QString m_previousFolder;
    QTemporaryDir m_folder;
    std::unique_ptr<QPrinter> m_pdf;
    richtext::PreviewEngine m_engine{[this]() -> QPrinter* { return printerInstalled ? m_pdf.get() : nullptr; }};
};

}  // namespace preview
