// The least a Qt WebEngine program does to show a page: one view at the browser's client size,
// shown, loading the address given as its only argument. Start-up figures of the browser are
// read against this program's (see README.md).

#include <QApplication>
#include <QUrl>
#include <QWebEngineView>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s ADDRESS\n", argv[0]);
        return 2;
    }
    QWebEngineView view;
    view.resize(1270, 740);
    view.show();
    view.load(QUrl::fromUserInput(QString::fromLocal8Bit(argv[1])));
    return application.exec();
}
