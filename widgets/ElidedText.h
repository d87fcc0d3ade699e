#pragma once

#include <QString>

class QComboBox;
class QGroupBox;
class QLabel;
class QWidget;

// A name the user chose, shown whole where it fits and cut with "…" where it
// does not, the whole name then in the tool tip. The widget takes the width
// its layout gives the widgets around it and never asks for more, so a long
// name neither pushes its neighbours nor is clipped; it is cut again
// whenever its width or font changes.
namespace ElidedText {

void setText(QLabel *label, const QString &text);
void setTitle(QGroupBox *box, const QString &title);
// A combo box item; its whole text is the item's tool tip.
void setItemText(QComboBox *combo, int index, const QString &text);
// The whole text last given to either.
QString fullText(const QWidget *widget);

} // namespace ElidedText
