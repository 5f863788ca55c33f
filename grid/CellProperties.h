#pragma once

#include <cstdint>
#include <memory>

#include "grid/GridTypes.h"
#include "grid/MyBrush.h"
#include "grid/MyFont.h"
#include "toolkit/Types.h"

namespace norvalt {

class TRoseColoredGrid;
class TPropertyWriter;
class TPropertyReader;

// One record of formatting for a cell, column or row. A field counts as set
// when it differs from its unset value; fonts and brushes when present.
class TCellProperties {
public:
    explicit TCellProperties(TRoseColoredGrid* grid);
    virtual ~TCellProperties();
    TCellProperties(const TCellProperties&) = delete;
    TCellProperties& operator=(const TCellProperties&) = delete;

    // Writes the record as a tagged value list.
    virtual void SaveToWriter(TPropertyWriter& writer) const;
    // Reads the value of one tag; false for a tag it does not know.
    virtual bool ReadTaggedValue(int tag, TPropertyReader& reader, TRoseColoredGrid* grid);
    // Copies a record's settings and copies of its fonts and brushes; with no
    // source, resets everything but spans and gradient colours.
    virtual void Assign(const TCellProperties* source);
    // Whether alignment, vertical alignment, wrap, editability and outline are
    // unset and no font or brush is present.
    virtual bool IsDefault() const;
    virtual std::unique_ptr<TCellProperties> Clone() const;

    TRoseColoredGrid* Grid() const { return grid_; }

    TMyBrush* Brush() const { return brush_.get(); }
    TMyBrush* SelectedBrush() const { return selectedBrush_.get(); }
    TMyFont* Font() const { return font_.get(); }
    TMyFont* SelectedFont() const { return selectedFont_.get(); }
    // Stores a copy of the brush or font (nullptr removes it); the caller keeps
    // its own object. The copy's changes repaint the grid.
    TMyBrush& SetBrush(const TBrush* brush);
    TMyBrush& SetSelectedBrush(const TBrush* brush);
    TMyFont& SetFont(const TFont* font);
    TMyFont& SetSelectedFont(const TFont* font);
    void RemoveBrush() { brush_.reset(); }
    void RemoveSelectedBrush() { selectedBrush_.reset(); }
    void RemoveFont() { font_.reset(); }
    void RemoveSelectedFont() { selectedFont_.reset(); }

    std::int32_t SpanFrom = -1;
    std::int32_t SpanTo = -1;
    TColor GradientBeginColor = clNone;
    TColor GradientEndColor = clNone;
    TAlignment Alignment = taLeftJustify;
    TVertAlignment VertAlignment = vaCenter;
    T_Wordwrap Wordwrap = ww_default;
    TEditableSetting Editable = ed_unset;
    TColor TextBorder = clNone;

private:
    template <typename T, typename Source> T& Store(std::unique_ptr<T>& slot, const Source* source);
    TRoseColoredGrid* grid_;
    std::unique_ptr<TMyBrush> brush_;
    std::unique_ptr<TMyBrush> selectedBrush_;
    std::unique_ptr<TMyFont> font_;
    std::unique_ptr<TMyFont> selectedFont_;
};

} // namespace norvalt
