#pragma once

#include <QComboBox>

#include <string>
#include <vector>

namespace reports::ui {

// A list box of the filter panel: editable, showing "TODOS" with nothing
// chosen until the user chooses. Only a choice filters: from the pop-up, or
// Enter on a text that names an item. Leaving the box chooses nothing (Qt
// would choose the item the text names, auto-completion included) and puts
// back the text of what is chosen. Its pop-up is as wide as its longest
// item, and the wheel changes it only while it has the focus.
class ListaFiltro : public QComboBox {
    Q_OBJECT
public:
    ListaFiltro(const char* nombre, const std::vector<std::string>& items, QWidget* padre);

    void showPopup() override;

protected:
    void focusOutEvent(QFocusEvent* evento) override;
};

} // namespace reports::ui
