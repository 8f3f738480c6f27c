// Common ground of the modal edit dialogs: a fixed-size dialog whose
// controls are placed at dialog-unit positions, with OK and Cancel.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "gui/DialogUnits.h"
#include "core/SatTpDatabase.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmora {

class FormDialog : public QDialog {
    Q_OBJECT
public:
    QPushButton* OkButton() const { return ok_; }

    // OK closes the dialog only when every checked field holds a valid
    // value; otherwise a notice names the first bad field and its range, and
    // that field is selected for correction.
    void accept() override;

protected:
    FormDialog(QWidget* parent, const QString& caption, int width, int height);

    // A drop-down list of fixed items; its height follows the font.
    QComboBox* AddList(int x, int y, int width, const QStringList& items = {});
    // The 16 LNB items; their blank-padded columns line up in a fixed-pitch font.
    QComboBox* AddLnbList(int x, int y, int width, const SatTpDatabase& db);
    QLineEdit* AddEdit(int x, int y, int width, int height);
    // A label starting at x, on the row of (and vertically centred with) buddy.
    QLabel* AddLabel(const QString& text, int x, QWidget* buddy);
    // A unit text right of a control, on its row.
    QLabel* AddUnit(const QString& text, int x, QWidget* buddy);
    QGroupBox* AddGroup(const QString& title, int x, int y, int width, int height);
    void AddOkCancel(int x, int okY, int cancelY, int width, int height);

    const DialogUnits& Units() const { return units_; }

    // Adds a check of a field: it returns an empty text for a valid value,
    // else the message to show.
    void AddCheck(QLineEdit* field, std::function<std::string(const std::string&)> check);

    void showEvent(QShowEvent* event) override;

private:
    // A label longer than its room (a translation) widens its column: what
    // lies right of it moves over, what spans it grows, and so does the dialog.
    void FitLabels();

    struct FieldCheck {
        QLineEdit* field;
        std::function<std::string(const std::string&)> check;
    };
    std::vector<FieldCheck> checks_;
    DialogUnits units_;
    QPushButton* ok_ = nullptr;
    std::vector<QLabel*> labels_;
    bool fitted_ = false;
};

// Sets the choice of a list; a code outside the list leaves it without one.
void SetChoice(QComboBox* list, int code);
// The 0-based choice of a list; 0 when nothing is chosen (an empty list).
int Choice(const QComboBox* list);

// The satellite items "[001] 19.2E Name" of the TP and TP SORT dialogs.
QStringList SatelliteChoiceTexts(const SatTpDatabase& db);

}  // namespace velmora
