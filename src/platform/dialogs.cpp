#include "platform/dialogs.h"

#include "platform/top_window.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <deque>

namespace platform {
namespace {

bool answering = false;
std::deque<QString> answers;
QList<DialogRecord> records;

// True when the seam answers: the dialog is recorded and its answer taken from the queue.
bool answeredBySeam(const DialogRecord& record, QString* answer) {
    if (!answering) return false;
    records.push_back(record);
    if (!answers.empty()) {
        *answer = answers.front();
        answers.pop_front();
    }
    return true;
}

// "Pages Web | *.htm | Tous | *.*" as the toolkit's "Pages Web (*.htm);;Tous (*.*)".
QString toolkitFilter(const QString& filterList) {
    QStringList parts = filterList.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts[i].trimmed() + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace

void messageBox(const QString& title, const QString& text) {
    QString ignored;
    if (answeredBySeam({QStringLiteral("message"), title, text}, &ignored)) return;
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

QString openFileDialog(const QString& title, const QString& filterList) {
    QString path;
    if (answeredBySeam({QStringLiteral("open-file"), title, filterList}, &path)) return path;
    QFileDialog dialog(QApplication::activeWindow(), title, QString(), toolkitFilter(filterList));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

void answerDialogsFromQueue(bool on) {
    answering = on;
    answers.clear();
    records.clear();
}

void queueDialogAnswer(const QString& answer) {
    answers.push_back(answer);
}

QList<DialogRecord> takeDialogRecords() {
    return std::exchange(records, {});
}

} // namespace platform
