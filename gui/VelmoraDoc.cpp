#include "gui/VelmoraDoc.h"

namespace velmora {

// The title a document has before the start-up names the database.
VelmoraDoc::VelmoraDoc(QObject* parent) : QObject(parent), title_(tr("Untitled")) {}

void VelmoraDoc::SetTitle(const QString& title) {
    title_ = title;
    emit titleChanged(title_);
}

}  // namespace velmora
