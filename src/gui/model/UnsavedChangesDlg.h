#pragma once

#include <QString>

class QWidget;

// The question asked before the program ends, or File New clears the document,
// while a document holds changes that were never saved.
class UnsavedChangesDlg {
public:
    enum class Answer { Save, Discard, Cancel };
    // What would lose the changes.
    enum class Occasion { ProgramCloses, DocumentCleared };

    // `documentName` is the file name, or what the document holds when it has none.
    static Answer ask(QWidget* parent, const QString& caption, const QString& documentName,
                      Occasion occasion = Occasion::ProgramCloses);
};
