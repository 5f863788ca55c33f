#pragma once

#include <vector>

#include "toolkit/Edit.h"

namespace norvalt {

// A drop-down list that allows only its items. OnChange runs when the user
// picks an item, never when the program sets the selection.
class TComboBox : public TControl {
public:
    explicit TComboBox(TWinControl* parent);

    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The chosen item's text, or empty with nothing chosen.
    std::string Text() const;
    // Chooses the item with this text; nothing is chosen when there is none.
    void SetText(const std::string& text);

    std::function<void()> OnChange;
    TKeyEvent OnKeyDown;

protected:
    void ApplyColor() override;

private:
    class Box;
    std::vector<std::string> items_;
};

} // namespace norvalt
