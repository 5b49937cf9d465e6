#include "cp1250_validator.h"

#include "text_codec.h"

#include <QLineEdit>
#include <QPointer>
#include <QValidator>

namespace trop {
namespace {

// Every character of code page 1250 is one byte, so a text the code page can
// hold has as many bytes as characters.
class Cp1250Validator : public QValidator {
public:
    Cp1250Validator(QLineEdit* field, int maxBytes, LetterCase letterCase)
        : QValidator(field), field_(field), maxBytes_(maxBytes), letterCase_(letterCase),
          shownLength_(field->text().size())
    {
        connect(field, &QLineEdit::textChanged, this,
                [this](const QString& text) { shownLength_ = text.size(); });
    }

    State validate(QString& input, int& position) const override
    {
        (void)position;
        if (letterCase_ == LetterCase::Upper)
            for (QChar& character : input)
                character = character.toUpper();
        if (!canEncodeCp1250(input))
            return Invalid;
        // The program's own setText clears the undo history before it asks;
        // only an edit by the user has something to undo.
        const bool typed = field_ && field_->isUndoAvailable();
        if (typed && input.size() > maxBytes_ && input.size() > shownLength_)
            return Invalid;
        return Acceptable;
    }

private:
    QPointer<QLineEdit> field_;
    int maxBytes_;
    LetterCase letterCase_;
    qsizetype shownLength_; // of the text before the edit being validated
};

} // namespace

void limitToCp1250(QLineEdit* field, int maxBytes, LetterCase letterCase)
{
    field->setMaxLength(32767);
    field->setValidator(new Cp1250Validator(field, maxBytes, letterCase));
}

} // namespace trop
