// The document of the single window: it carries the title (the current
// database path, set by the session) and nothing else; the tables belong to
// the session.
#pragma once

#include <QObject>
#include <QString>

namespace velmora {

class VelmoraDoc : public QObject {
    Q_OBJECT
public:
    explicit VelmoraDoc(QObject* parent = nullptr);

    QString Title() const { return title_; }
    void SetTitle(const QString& title);

signals:
    void titleChanged(const QString& title);

private:
    QString title_;
};

}  // namespace velmora
