#pragma once

// The system's modal dialogs. Tests answer them ahead of time through the seam below, so no
// test ever sits in a modal loop.

#include <QString>
#include <QStringList>

namespace platform {

// A modal message with an OK button.
void messageBox(const QString& title, const QString& text);
// The chosen file's path, or empty when cancelled. The filter list alternates descriptions and
// patterns, divided by "|"; the first entry is selected.
QString openFileDialog(const QString& title, const QString& filterList);

// The seam. Once answering is switched on, every dialog takes the next queued answer instead of
// showing itself (an empty queue counts as a cancel) and is recorded.
struct DialogRecord {
    QString kind; // "message", "open-file"
    QString title;
    QString text; // message text, or the filter list
};
void answerDialogsFromQueue(bool on);
void queueDialogAnswer(const QString& answer);
QList<DialogRecord> takeDialogRecords();

} // namespace platform
