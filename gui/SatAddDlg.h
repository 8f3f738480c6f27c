// The "Satellite Add" dialog: name, longitude with its hemisphere, LNB.
#pragma once

#include <QValidator>

#include "gui/FormDialog.h"
#include "core/EditOperations.h"

namespace velmora {

// Satellite names are stored as at most 16 bytes of UTF-8 and the file
// separates its columns with commas, so the name field refuses both a comma
// and a character that would not fit.
class SatNameValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;

    // Why the last refused input was refused, for the hint under the field.
    enum class Refusal { None, Comma, TooLong };
    Refusal LastRefusal() const { return refusal_; }

private:
    mutable Refusal refusal_ = Refusal::None;
};

class SatAddDlg : public FormDialog {
    Q_OBJECT
public:
    // satIndex >= 0 edits that satellite ("Satellite Edit", its values shown).
    SatAddDlg(const SatTpDatabase& db, QWidget* parent = nullptr, int satIndex = -1);

    // The name as UTF-8, cut to 16 bytes on a character boundary.
    SatAddInput Input() const;

    QLineEdit* NameEdit() const { return name_; }
    QComboBox* HemisphereList() const { return hemisphere_; }
    QLineEdit* LongitudeEdit() const { return longitude_; }
    QComboBox* LnbList() const { return lnb_; }
    // The line under the name: the room left, or why a key was refused.
    QLabel* NameHint() const { return hint_; }

private:
    void ShowRoomLeft();
    void ShowRefusal();

    QLineEdit* name_;
    QComboBox* hemisphere_;
    QLineEdit* longitude_;
    QComboBox* lnb_;
    SatNameValidator* validator_;
    QLabel* hint_;
    std::string originalName_;
    QString shownName_;
};

}  // namespace velmora
