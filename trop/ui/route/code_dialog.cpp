#include "code_dialog.h"

#include "code_dialog_flow.h"
#include "trop/model/record_bounds.h"
#include "trop/ui/cp1250_validator.h"
#include "trop/ui/dialogs/dialog_parts.h"
#include "trop/ui/text_codec.h"
#include "trop/ui/widgets/marker_colour.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QVBoxLayout>

namespace trop {

namespace {

// The colour field: a solid rectangle of the colour that opens the colour
// picker when pressed (double click, Space or Enter).
class ColourField : public QPushButton {
public:
    explicit ColourField(QWidget* parent) : QPushButton(parent)
    {
        setAccessibleName("Color");
        setMinimumSize(60, 30);
    }
    void setColour(std::uint32_t colour)
    {
        colour_ = colour;
        update();
    }
    std::uint32_t colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), markerColour(colour_));
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        if (hasFocus()) {
            QStyleOptionFocusRect option;
            option.initFrom(this);
            option.rect = rect().adjusted(3, 3, -3, -3);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
        }
    }

private:
    std::uint32_t colour_ = kNewCodeColour;
};

} // namespace

CodeDialog::CodeDialog(CodeDialogFlow& flow, CustomColours& colours, QWidget* parent)
    : QDialog(parent), flow_(flow), colours_(colours)
{
    setWindowTitle(QString());
    colourField_ = new ColourField(this);
    static_cast<ColourField*>(colourField_)->setColour(flow_.colour());
    connect(colourField_, &QPushButton::clicked, this, &CodeDialog::pickColour);

    code_ = createTextField(this, kMaxCodeLength, "Kod");
    limitToCp1250(code_, kMaxCodeLength, LetterCase::Upper);
    code_->setAlignment(Qt::AlignCenter);
    code_->setText(fromCp1250(flow_.openedCode()));
    code_->setMaximumWidth(60);

    auto* form = new QFormLayout;
    auto* colourLabel = new QLabel("Color", this);
    colourLabel->setBuddy(colourField_);
    form->addRow(colourLabel, colourField_);
    auto* codeLabel = new QLabel("Kod", this);
    codeLabel->setBuddy(code_);
    form->addRow(codeLabel, code_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(createOkCancelButtons(*this));
    code_->setFocus();
    code_->selectAll();
}

void CodeDialog::setColour(std::uint32_t colour)
{
    flow_.setColour(colour);
    static_cast<ColourField*>(colourField_)->setColour(colour);
}

void CodeDialog::pickColour()
{
    for (int i = 0; i < static_cast<int>(colours_.size()); ++i)
        QColorDialog::setCustomColor(i, markerColour(colours_[i]));
    const QColor picked = QColorDialog::getColor(markerColour(flow_.colour()), this);
    for (int i = 0; i < static_cast<int>(colours_.size()); ++i)
        colours_[i] = storedMarkerColour(QColorDialog::customColor(i));
    if (picked.isValid())
        setColour(storedMarkerColour(picked));
}

void CodeDialog::accept()
{
    if (flow_.accept(toCp1250(code_->text()))) {
        QDialog::accept();
        return;
    }
    code_->setFocus();
    code_->selectAll();
}

std::optional<CodeChoice> runCodeDialog(QWidget* parent, const StageDefinition& stage, const std::string& code,
                                        std::uint32_t colour, CustomColours& colours)
{
    CodeDialogFlow flow(stage, code, colour);
    CodeDialog dialog(flow, colours, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return CodeChoice{flow.code(), flow.colour()};
}

std::optional<int> addCodeWithDialog(QWidget* parent, const std::filesystem::path& stageFolder,
                                     StageDefinition& stage, const std::string& typedCodeCp1250,
                                     CustomColours& colours)
{
    if (usedCodeCount(stage) >= kMaxCodes)
        return std::nullopt;
    const std::optional<CodeChoice> choice = runCodeDialog(parent, stage, typedCodeCp1250, kNewCodeColour, colours);
    if (!choice)
        return std::nullopt;
    return appendCodeAndSave(stageFolder, stage, choice->code, choice->colour);
}

} // namespace trop
