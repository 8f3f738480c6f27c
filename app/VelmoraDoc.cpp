#include "app/VelmoraDoc.h"

namespace velmora {

// The title a document has before the start-up names the database.
CVelmoraDoc::CVelmoraDoc(QObject* parent) : QObject(parent), title_(tr("Untitled")) {}

void CVelmoraDoc::SetTitle(const QString& title) {
    title_ = title;
    emit titleChanged(title_);
}

}  // namespace velmora
