#pragma once

#include <QString>

class QWidget;

// The question asked before the program ends while a document holds changes
// that were never saved.
class UnsavedChangesDlg {
public:
    enum class Answer { Save, Discard, Cancel };

    // `documentName` is the file name, or the document's title when it has none.
    static Answer ask(QWidget* parent, const QString& caption, const QString& documentName);
};
