#include "grid/CellProperties.h"

#include "grid/PropertyStream.h"
#include "grid/RoseColoredGrid.h"

namespace norvalt {

TCellProperties::TCellProperties(TRoseColoredGrid* grid) : grid_(grid) {}

TCellProperties::~TCellProperties() = default;

template <typename T, typename Source>
T& TCellProperties::Store(std::unique_ptr<T>& slot, const Source* source) {
    if (!slot) {
        slot = std::make_unique<T>();
    }
    if (source) {
        slot->Assign(*source);
    }
    TRoseColoredGrid* grid = grid_;
    slot->OnChange = [grid] {
        if (grid) {
            grid->Invalidate();
        }
    };
    return *slot;
}

TMyBrush& TCellProperties::SetBrush(const TBrush* brush) {
    return Store(brush_, brush);
}
TMyBrush& TCellProperties::SetSelectedBrush(const TBrush* brush) {
    return Store(selectedBrush_, brush);
}
TMyFont& TCellProperties::SetFont(const TFont* font) {
    return Store(font_, font);
}
TMyFont& TCellProperties::SetSelectedFont(const TFont* font) {
    return Store(selectedFont_, font);
}

void TCellProperties::SaveToWriter(TPropertyWriter& writer) const {
    if (Alignment != taLeftJustify) {
        writer.Write(ptAlignment, Alignment);
    }
    if (VertAlignment != vaCenter) {
        writer.Write(ptVertAlignment, VertAlignment);
    }
    if (Wordwrap != ww_default) {
        writer.Write(ptWordwrap, Wordwrap);
    }
    if (Editable != ed_unset) {
        writer.Write(ptEditable, Editable);
    }
    if (TextBorder != clNone) {
        writer.Write(ptTextBorder, TextBorder);
    }
    if (SpanFrom != -1) {
        writer.Write(ptSpanFrom, SpanFrom);
    }
    if (SpanTo != -1) {
        writer.Write(ptSpanTo, SpanTo);
    }
    if (GradientBeginColor != clNone) {
        writer.Write(ptGradientBeginColor, GradientBeginColor);
    }
    if (GradientEndColor != clNone) {
        writer.Write(ptGradientEndColor, GradientEndColor);
    }
    if (brush_) {
        writer.Write(ptBrushColor, brush_->Color());
    }
    if (selectedBrush_) {
        writer.Write(ptSelectedBrushColor, selectedBrush_->Color());
    }
    if (font_) {
        writer.Write(ptFontColor, font_->Color());
    }
    if (selectedFont_) {
        writer.Write(ptSelectedFontColor, selectedFont_->Color());
    }
}

bool TCellProperties::ReadTaggedValue(int tag, TPropertyReader& reader, TRoseColoredGrid* grid) {
    const std::int64_t v = reader.ReadValue();
    const auto color = static_cast<TColor>(v);
    switch (tag) {
    case ptAlignment:
        Alignment = static_cast<TAlignment>(v);
        return true;
    case ptVertAlignment:
        VertAlignment = static_cast<TVertAlignment>(v);
        return true;
    case ptWordwrap:
        Wordwrap = static_cast<T_Wordwrap>(v);
        return true;
    case ptEditable:
        Editable = static_cast<TEditableSetting>(v);
        return true;
    case ptTextBorder:
        TextBorder = color;
        return true;
    case ptSpanFrom:
        SpanFrom = static_cast<std::int32_t>(v);
        return true;
    case ptSpanTo:
        SpanTo = static_cast<std::int32_t>(v);
        return true;
    case ptGradientBeginColor:
        GradientBeginColor = color;
        return true;
    case ptGradientEndColor:
        GradientEndColor = color;
        return true;
    case ptBrushColor:
        SetBrush(grid ? &grid->Brush() : nullptr).SetColor(color);
        return true;
    case ptSelectedBrushColor:
        SetSelectedBrush(nullptr).SetColor(color);
        return true;
    case ptFontColor:
        SetFont(grid ? &grid->Font() : nullptr).SetColor(color);
        return true;
    case ptSelectedFontColor:
        SetSelectedFont(grid ? &grid->Font() : nullptr).SetColor(color);
        return true;
    default:
        return false;
    }
}

void TCellProperties::Assign(const TCellProperties* source) {
    if (source == this) {
        return;
    }
    if (!source) {
        Alignment = taLeftJustify;
        VertAlignment = vaCenter;
        Wordwrap = ww_default;
        Editable = ed_unset;
        TextBorder = clNone;
        brush_.reset();
        selectedBrush_.reset();
        font_.reset();
        selectedFont_.reset();
        return;
    }
    Alignment = source->Alignment;
    VertAlignment = source->VertAlignment;
    Wordwrap = source->Wordwrap;
    Editable = source->Editable;
    TextBorder = source->TextBorder;
    SpanFrom = source->SpanFrom;
    SpanTo = source->SpanTo;
    GradientBeginColor = source->GradientBeginColor;
    GradientEndColor = source->GradientEndColor;
    auto copy = [this](auto& mine, const auto& theirs) {
        if (theirs) {
            Store(mine, theirs.get());
        } else {
            mine.reset();
        }
    };
    copy(brush_, source->brush_);
    copy(selectedBrush_, source->selectedBrush_);
    copy(font_, source->font_);
    copy(selectedFont_, source->selectedFont_);
}

bool TCellProperties::IsDefault() const {
    return Alignment == taLeftJustify && VertAlignment == vaCenter && Wordwrap == ww_default &&
           Editable == ed_unset && TextBorder == clNone && !brush_ && !selectedBrush_ && !font_ &&
           !selectedFont_;
}

std::unique_ptr<TCellProperties> TCellProperties::Clone() const {
    auto copy = std::make_unique<TCellProperties>(grid_);
    copy->Assign(this);
    return copy;
}

} // namespace norvalt
