#pragma once

#include <QObject>
#include <QStringList>

class QMimeData;

// Lets a window accept files dropped on it; each dropped local file is handed
// on as if the user had opened it.
class FileDropFilter : public QObject {
    Q_OBJECT
public:
    // Starts accepting drops on `window` (its children included).
    explicit FileDropFilter(QWidget* window);

    static QStringList localFiles(const QMimeData* data);

signals:
    void filesDropped(const QStringList& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
