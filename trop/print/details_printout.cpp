#include "trop/model/stage_file.h"
#include "trop/print/details_lines.h"
#include "trop/print/list_printout_parts.h"
#include "trop/print/stage_printouts.h"
#include "trop/print/store_reading.h"
#include "trop/store/cp1250.h"
#include "trop/store/fixed_text.h"
#include "trop/store/messages.h"

#include <utility>

namespace trop {
namespace {

constexpr int kRowPitchUnits = 5;
constexpr int kRowUnits = 6;
constexpr int kLegendRoomUnits = 53;

const char* const kLegend[][2] = {
    {"TS", "czas startu"},
    {"TM", "czas mety"},
    {"BP xx", "brak punktu,  xx - opis punktu"},
    {"PM xx", "punkt mylny,  xx - kod punktu"},
    {"WK x", "wolna kratka,  x - ilość"},
    {"PS xx (yy)", "punkt stowarzyszony,  xx - opis punktu,  yy - kod potwierdzonego punktu"},
    {"ZK xx -» yy", "zmiana kolejności,  xx, yy - opisy punktów powodujące zmianę kolejności"},
    {"ZO xx (yy)", "zły opis,  xx - opis punktu na karcie,  yy - prawidłowy opis punktu"},
    {"ZM xx (yy -» zz)", "zmiana (przebitka),  xx - opis punktu,  yy - kod punktu zmienianego,  zz - kod punktu po zmianie"},
};

// Categories whose cards are printed without times and points.
bool withoutPoints(const std::string& categoryFolderName)
{
    return categoryFolderName == "SZ" || categoryFolderName == "RK";
}

bool ranksBefore(const ControlCard& a, const ControlCard& b)
{
    if (a.notEntered == 0 && b.notEntered != 0)
        return true;
    return a.notEntered == 0 && b.notEntered == 0 && a.stagePoints > b.stagePoints;
}

// Entered cards in printing order: the exchange sort of the card positions
// by rank, except in the categories without points.
std::vector<const ControlCard*> printedCards(const ResultsTable& cards, bool sorted)
{
    const int count = cardCount(cards);
    std::vector<int> order(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        order[i] = i;
    if (sorted)
        for (int i = 0; i < count; ++i)
            for (int j = i + 1; j < count; ++j)
                if (ranksBefore(cards.cards[order[j]], cards.cards[order[i]]))
                    std::swap(order[i], order[j]);
    std::vector<const ControlCard*> printed;
    for (int index : order)
        if (cards.cards[index].notEntered == 0)
            printed.push_back(&cards.cards[index]);
    return printed;
}

std::string negated(long long value) { return numberText(-value); }

class CardBlocks {
public:
    CardBlocks(const PageFrame& frame, const TextMeasurer& measurer, const StageDefinition& stage,
               const MemberTable* members, bool showPoints)
        : f_(frame), u_(frame.unit), measurer_(measurer), stage_(stage), members_(members), showPoints_(showPoints)
    {
    }

    RowBlock block(const ControlCard& card) const
    {
        RowBlock block;
        PageWriter writer(measurer_, block.ops);
        const CellStyle number = style(TextAlign::Right, 3, Overflow::Whole);
        const CellStyle name = style(TextAlign::Left, 3, Overflow::Clip);
        const CellStyle label = style(TextAlign::Right, 2, Overflow::Whole);
        const CellStyle value = style(TextAlign::Left, 2, Overflow::Whole);
        const CellStyle list = style(TextAlign::Left, 2, Overflow::Clip);
        const int pointsLeft = f_.right - 14 * u_;

        writer.text(row(0, 0, 12), numberText(card.teamNumber), number);
        int nameRows = 0;
        if (members_ != nullptr)
            for (const MemberRecord* member : teamMembers(*members_, card.teamNumber))
                writer.text(row(nameRows++, 12, 63), memberName(*member, " "), name);

        int r = 0;
        if (showPoints_) {
            writer.text(row(0, 63, 75), "TS :", label);
            writer.text(row(0, 75, 100), numberText(card.startTime), value);
            if (card.finishTime != 0) {
                writer.text(row(0, 75, 100), "TM :", label);
                writer.text(row(0, 100, 150), numberText(card.finishTime), value);
            }
            if (card.taskPenalty != 0) {
                writer.text(row(0, 100, 150), "Zadanie :", label);
                writer.text(rowTo(0, 150, pointsLeft), negated(card.taskPenalty), value);
            }
            writer.text(pointsCell(0), card.stagePoints != 0
                                           ? negated(static_cast<long long>(card.timePenalty) + card.taskPenalty)
                                           : std::string("NKL"),
                        number);
            r = 1;
        }
        const bool linePoints = showPoints_ && card.stagePoints != 0;
        const int listWidth = pointsLeft - f_.x(75) - 4 * u_;
        for (const PenaltyLine& line : penaltyLines(card, stage_)) {
            writer.text(row(r, 63, 75), line.label, label);
            if (linePoints)
                writer.text(pointsCell(r), negated(line.points), number);
            for (const std::string& text : wrapItems(line.items, listWidth, [&](const std::string& t) {
                     return measurer_.textWidth(t, f_.headingFont);
                 }))
                writer.text(rowTo(r++, 75, pointsLeft), text, list);
        }
        if (linePoints) {
            writer.horizontal(f_.right - 31 * u_, f_.right, rowTop(r), f_.thinPen);
            writer.text(row(r, 63, 75), "Suma   ", label);
            writer.text(pointsCell(r++), negated(card.penaltyPoints), number);
        }
        const int lastRow = std::max({nameRows, r, 1}) - 1;
        const int rule = rowTop(lastRow) + kRowUnits * u_ + f_.ruleOffset();
        writer.horizontal(f_.left, f_.right, rule, f_.thickPen);
        block.height = rule + 1;
        return block;
    }

private:
    CellStyle style(TextAlign align, int insetUnits, Overflow overflow) const
    {
        return CellStyle{align, f_.headingFont, insetUnits * u_, overflow, TextVAlign::Centre};
    }
    int rowTop(int r) const { return r * kRowPitchUnits * u_; }
    PageRect rowTo(int r, int fromUnits, int rightPx) const
    {
        return {f_.x(fromUnits), rowTop(r), rightPx, rowTop(r) + kRowUnits * u_};
    }
    PageRect row(int r, int fromUnits, int toUnits) const { return rowTo(r, fromUnits, f_.x(toUnits)); }
    PageRect pointsCell(int r) const { return {f_.right - 14 * u_, rowTop(r), f_.right, rowTop(r) + kRowUnits * u_}; }

    const PageFrame& f_;
    int u_;
    const TextMeasurer& measurer_;
    const StageDefinition& stage_;
    const MemberTable* members_;
    bool showPoints_;
};

void drawLegend(PageWriter& writer, const PageFrame& f, int y)
{
    const CellStyle style{TextAlign::Left, f.headingFont, 0, Overflow::Clip, TextVAlign::Top};
    for (const auto& entry : kLegend) {
        writer.text({f.x(3), y, f.x(32), y + 5 * f.unit}, utf8ToCp1250(entry[0]), style);
        writer.text({f.x(32), y, f.right, y + 5 * f.unit}, utf8ToCp1250(entry[1]), style);
        y += 5 * f.unit;
    }
}

} // namespace

void StageDetailsPrintout::setStage(std::unique_ptr<StageDefinition> stage, std::unique_ptr<ResultsTable> cards)
{
    stage_ = std::move(stage);
    cards_ = std::move(cards);
}

bool StageDetailsPrintout::prepare()
{
    stage_ = std::make_unique<StageDefinition>();
    if (readStageDefinitionOnly(context_.stageFolder, *stage_))
        return true;
    stage_.reset();
    showMessage(7, kStageDefinitionFileName);
    return false;
}

bool StageDetailsPrintout::loadData()
{
    cards_ = std::make_unique<ResultsTable>();
    const int count = readResultsOnly(context_.stageFolder, *cards_);
    if (count < 0)
        showMessage(7, kResultsFileName);
    if (count <= 0 || printedCards(*cards_, false).empty()) {
        cards_.reset();
        showMessage(28);
        return false;
    }
    return true;
}

PrintLayout StageDetailsPrintout::layOut(const LayoutRequest& request) const
{
    if (stage_ == nullptr || cards_ == nullptr)
        return {};
    const PageFrame f = fixedFrame(request.device);
    const bool points = !withoutPoints(context_.categoryFolderName);
    const CardBlocks blocks(f, request.measurer, *stage_, context_.members, points);
    const std::vector<std::string> lines =
        nonEmptyLines({fieldText(params_.name1), fieldText(params_.name2), fieldText(params_.name3)});

    PrintPage scratch;
    PageWriter writer(request.measurer, scratch);
    PageSequence document;
    int tableTop = 0;
    int y = 0;
    bool pageHasBlocks = false;
    auto closePage = [&] {
        const int bottom = y - 1;
        writer.vertical(f.left, tableTop, bottom, f.thickPen);
        writer.vertical(f.right, tableTop, bottom, f.thickPen);
        for (int x : {f.x(12), f.x(63), f.right - 14 * f.unit})
            writer.vertical(x, tableTop, bottom, f.thinPen);
    };
    auto startPage = [&] {
        tableTop = startListPage(document, writer, f, lines, title());
        y = tableTop + 1;
        pageHasBlocks = false;
    };
    startPage();
    for (const ControlCard* card : printedCards(*cards_, points)) {
        if (request.abort.load())
            return {{}, true};
        const RowBlock block = blocks.block(*card);
        if (pageHasBlocks && y + block.height - 1 > f.bodyBottom) {
            closePage();
            startPage();
        }
        placeBlock(document.current(), block, y, f.bodyBottom);
        if (y + block.height - 1 > f.bodyBottom) // cut at the body's end: close it there
            writer.horizontal(f.left, f.right, f.bodyBottom, f.thickPen);
        y = std::min(y + block.height, f.bodyBottom + 1);
        pageHasBlocks = true;
    }
    closePage();
    if (f.bodyBottom - y > kLegendRoomUnits * f.unit)
        drawLegend(writer, f, y + 5 * f.unit);
    return {document.finish(request.measurer, request.dateText), false};
}

} // namespace trop
