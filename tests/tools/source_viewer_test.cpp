// The source viewer: the page's source under its address, copied to the clipboard as edited.

#include "nested_steps.h"

#include "app/browser_state.h"
#include "app/main_window_menus.h"
#include "platform/clipboard.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/objects.h"
#include "platform/text_editor.h"
#include "platform/top_window.h"
#include "platform/windows.h"
#include "support/browser_session.h"
#include "support/http_server.h"
#include "tools/source_viewer.h"
#include "webview/web_view.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <csignal>
#include <gtest/gtest.h>

namespace {

using platform::EventKind;

void click(int button) {
    platform::postEvent({EventKind::Control, button, 0});
}

// Runs showSource with the steps inside its loop.
void inSourceViewer(const QString& address, const QString& source,
                    std::vector<NestedSteps::Step> steps) {
    NestedSteps driver(SOURCE_EDITOR, std::move(steps));
    showSource(address, source);
    EXPECT_TRUE(driver.finished());
    for (int control :
         {SOURCE_EDITOR, SOURCE_ADDRESS_LINE, SOURCE_COPY_BUTTON, SOURCE_CLOSE_BUTTON})
        EXPECT_FALSE(platform::controlExists(control)) << control;
}

// The user types the text where the editor's cursor stands.
void typeInEditor(const QString& text) {
    QWidget* editor = platform::controlWidget(SOURCE_EDITOR);
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(editor, &press);
    }
}

TEST(SourceViewer, ShowsThePageSourceUnderItsAddressAndAnyCloseRequestEndsOnlyIt) {
    HttpServer server;
    server.route("/page", HttpAnswer::html("<title>P</title><p>Source &amp; more</p>"));
    const QString address = server.url("/page?a=1&b=2");
    BrowserSession session({address});
    ASSERT_TRUE(session.passUntil([&] {
        return currentAddress(WEB_VIEW_BASE) == address && !isBusy(WEB_VIEW_BASE);
    })) << currentAddress(WEB_VIEW_BASE).toStdString();
    const QString source = pageSource(WEB_VIEW_BASE);
    ASSERT_TRUE(source.contains("Source &amp; more"));

    NestedSteps driver(SOURCE_EDITOR, {[&] {
                           EXPECT_EQ(platform::windowTitle(platform::windowNumberOf(
                                         platform::controlWidget(SOURCE_EDITOR))),
                                     "Orvelia - SourceViewer");
                           EXPECT_EQ(platform::editorText(SOURCE_EDITOR), source);
                           EXPECT_EQ(platform::controlText(SOURCE_ADDRESS_LINE), address);
                           // "&" takes its own place on screen rather than marking a shortcut.
                           auto* line =
                               qobject_cast<QLabel*>(platform::controlWidget(SOURCE_ADDRESS_LINE));
                           ASSERT_NE(line, nullptr);
                           const int shown = line->sizeHint().width();
                           line->setText(QString(address).remove('&'));
                           EXPECT_GT(shown, line->sizeHint().width());
                           platform::postEvent({EventKind::Close, mainWindow.window, 0});
                       }});
    platform::postEvent({EventKind::Menu, CMD_SHOW_SOURCE, 0});
    ASSERT_TRUE(session.passUntil([&] { return driver.finished(); }));
    EXPECT_FALSE(platform::controlExists(SOURCE_EDITOR));
    EXPECT_TRUE(platform::windowVisible(mainWindow.window));
    EXPECT_TRUE(session.pass()) << "the browser ended";
}

TEST(SourceViewer, TerminationSignalWhileOpenEndsTheRun) {
    HttpServer server;
    server.route("/page", HttpAnswer::html("<title>P</title>p"));
    BrowserSession session({server.url("/page")});
    // A logout while the viewer is open: the viewer takes the close request, the run still ends.
    NestedSteps driver(SOURCE_EDITOR, {[] { ::raise(SIGTERM); }});
    platform::postEvent({EventKind::Menu, CMD_SHOW_SOURCE, 0});
    ASSERT_TRUE(session.passUntil([&] { return session.loopEnded(); }));
    EXPECT_TRUE(driver.finished());
    EXPECT_FALSE(platform::controlExists(SOURCE_EDITOR));
}

TEST(SourceViewer, CopiesTheEditorTextAsItStandsEachTime) {
    const QString source = QString::fromUtf8("<p>a\u00a0b\tc</p>\n<p>é</p>\n");
    inSourceViewer("http://x/", source,
                   {[] { click(SOURCE_COPY_BUTTON); },
                    [&] {
                        EXPECT_EQ(platform::clipboardText(), source);
                        typeInEditor("<!-- -->");
                        click(SOURCE_COPY_BUTTON);
                    },
                    [&] {
                        EXPECT_EQ(platform::clipboardText(), "<!-- -->" + source);
                        click(SOURCE_CLOSE_BUTTON);
                    }});
}

TEST(SourceViewer, EmptySourceLeavesAnEmptyTextOnTheClipboard) {
    platform::setClipboardText("earlier");
    inSourceViewer("about:blank", "",
                   {[] {
                        EXPECT_EQ(platform::editorText(SOURCE_EDITOR), "");
                        click(SOURCE_COPY_BUTTON);
                    },
                    [] { click(SOURCE_CLOSE_BUTTON); }});
    const QMimeData* held = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->formats(), QStringList{"text/plain"});
    EXPECT_EQ(platform::clipboardText(), "");
}

TEST(SourceViewer, ShowsASourceOfSeveralMegabytesWhole) {
    QString source;
    for (int i = 0; source.size() < 4 * 1024 * 1024; ++i)
        source += QStringLiteral("<div class=\"row\" id=\"r%1\">%1 &amp; text</div>\n").arg(i);
    source += QStringLiteral("<p>the end</p>");
    inSourceViewer("http://x/", source, {[&] {
                       const QString shown = platform::editorText(SOURCE_EDITOR);
                       EXPECT_EQ(shown.size(), source.size());
                       EXPECT_TRUE(shown == source);
                       click(SOURCE_CLOSE_BUTTON);
                   }});
}

} // namespace
