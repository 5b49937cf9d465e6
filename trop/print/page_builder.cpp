#include "trop/print/page_builder.h"

#include <algorithm>

namespace trop {
namespace {

PageRect narrowed(PageRect cell, int inset)
{
    return {cell.left + inset, cell.top, cell.right - inset, cell.bottom};
}

// A text drawn whole: the cell grows on the side away from its alignment.
PageRect widenedFor(PageRect cell, int width, TextAlign align)
{
    const int extra = width - cell.width();
    switch (align) {
    case TextAlign::Left:
        cell.right += extra;
        break;
    case TextAlign::Right:
        cell.left -= extra;
        break;
    case TextAlign::Centre:
        cell.left -= extra / 2;
        cell.right += extra - extra / 2;
        break;
    }
    return cell;
}

bool below(const TextOp& op, int limit) { return op.cell.bottom > limit; }
bool below(const LineOp& op, int limit) { return std::max(op.y1, op.y2) > limit; }

} // namespace

void PageWriter::text(PageRect cell, std::string_view text, const CellStyle& style)
{
    if (text.empty())
        return;
    TextOp op;
    op.text = std::string(text);
    op.align = style.align;
    op.valign = style.valign;
    op.font = style.font;
    op.cell = narrowed(cell, style.inset);
    const int width = measurer_.textWidth(text, style.font);
    if (width > op.cell.width()) {
        if (style.overflow == Overflow::Clip) {
            op.clip = true;
        } else {
            op.cell = width > cell.width() ? widenedFor(cell, width, style.align) : cell;
        }
    }
    page_->texts.push_back(std::move(op));
}

void PageWriter::horizontal(int x1, int x2, int y, int pen) { page_->lines.push_back({x1, y, x2, y, pen}); }

void PageWriter::vertical(int x, int y1, int y2, int pen) { page_->lines.push_back({x, y1, x, y2, pen}); }

void placeBlock(PrintPage& page, const RowBlock& block, int y, int clipBottom)
{
    for (TextOp op : block.ops.texts) {
        op.cell.top += y;
        op.cell.bottom += y;
        if (!below(op, clipBottom))
            page.texts.push_back(std::move(op));
    }
    for (LineOp op : block.ops.lines) {
        op.y1 += y;
        op.y2 += y;
        if (!below(op, clipBottom))
            page.lines.push_back(op);
    }
}

PrintPage& PageSequence::newPage(const PageFrame& frame)
{
    pages_.emplace_back();
    footers_.push_back({frame.left, frame.right, frame.bodyBottom, frame.bottom, 2 * frame.unit, frame.smallFont});
    return pages_.back();
}

std::vector<PrintPage> PageSequence::finish(const TextMeasurer& measurer, const std::string& dateText)
{
    const std::string total = numberText(count());
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        const Footer& f = footers_[i];
        PageWriter writer(measurer, pages_[i]);
        const PageRect cell{f.left, f.top, f.right, f.bottom};
        CellStyle style{TextAlign::Left, f.font, f.inset, Overflow::Whole, TextVAlign::Bottom};
        writer.text(cell, "Lirnik s.c.", style);
        style.align = TextAlign::Centre;
        writer.text(cell, dateText, style);
        style.align = TextAlign::Right;
        writer.text(cell, "Page " + numberText(static_cast<long long>(i) + 1) + " of " + total, style);
    }
    footers_.clear();
    return std::move(pages_);
}

std::string numberText(long long value) { return std::to_string(value); }

} // namespace trop
