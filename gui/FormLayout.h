// The controls of the main form, created from one table at their places in
// dialog units, and placed again when the window is resized: the tree and the
// list take the extra room, the column of buttons follows the right edge.
#pragma once

#include <QRect>
#include <QSize>
#include <map>
#include <vector>

#include "session/SessionView.h"

class QLineEdit;
class QTableView;
class QTreeWidget;
class QWidget;

namespace velmora {

class PortSelector;

class FormLayout {
public:
    // Creates every control as a child of form and gives the form its smallest size.
    explicit FormLayout(QWidget& form);

    // A control by its identifier; nullptr for an unknown one.
    QWidget* Control(FormControl controlId) const;
    QTreeWidget* Tree() const { return tree_; }
    QTableView* List() const { return list_; }
    QLineEdit* FindField() const { return find_; }
    PortSelector* Ports() const { return ports_; }

    // Places the controls for a form of this size.
    void Place(QSize size) const;

private:
    QWidget* Create(QWidget& form, int kind, const char* caption, QRect& rect);

    std::map<FormControl, QWidget*> controls_;
    // Every control with its place on the form at its smallest size.
    struct Placed {
        QWidget* widget;
        QRect rect;
        int anchor;
    };
    std::vector<Placed> placed_;
    QSize formSize_;
    PortSelector* ports_ = nullptr;
    QLineEdit* find_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QTableView* list_ = nullptr;
};

}  // namespace velmora
