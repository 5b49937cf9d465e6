#include "messages.h"

#include <array>
#include <cstdio>
#include <utility>

namespace trop {
namespace {

constexpr std::array kMessages = {
    MessageDefinition{1, "Wystąpił błąd podczas tworzenia kartoteki \"%1\".", MessageStyle::Error},
    MessageDefinition{2, "Kartoteka \"%1\" już istnieje.", MessageStyle::Notice},
    MessageDefinition{3, "Wystąpił błąd podczas usuwania pliku \"%1\".", MessageStyle::Notice},
    MessageDefinition{4, "Wystąpił błąd podczas usuwania folderu \"%1\".", MessageStyle::Notice},
    MessageDefinition{5, "Czy na pewno chesz usunąć zawody \"%1\" ?", MessageStyle::Question},
    MessageDefinition{6, "Wystąpił błąd podczas tworzenia pliku \"%1\".", MessageStyle::Error},
    MessageDefinition{7, "Wystąpił błąd podczas odczytu pliku \"%1\".", MessageStyle::Error},
    MessageDefinition{8, "Wystąpił błąd dostępu do kartoteki \"%1\".", MessageStyle::Error},
    MessageDefinition{9, "Czy na pewno chcesz usunąć kategorię \"%1\" ?", MessageStyle::Question},
    MessageDefinition{10, "Lista uczestników została zmieniona, czy chcesz ją zachować ?", MessageStyle::QuestionYes},
    MessageDefinition{11, "Czy na pewno chcesz usunąć etap  \"%1\" ?", MessageStyle::Question},
    MessageDefinition{12, "Lista startowa zosatała zieniona, czy ją zachować ?", MessageStyle::QuestionYes},
    MessageDefinition{13, "Definicja etapu została zmieniona, czy chcesz te zmiany zachować ?", MessageStyle::QuestionYes},
    MessageDefinition{14, "Do grupy może należeć tylko jedna LOP'ka lub obszar. W tym przypadku nie może ona zawierać innych punktów.", MessageStyle::Error},
    MessageDefinition{15, "Pełna edycja uczestników jest niemożliwa poniważ istnieją już pliki\nz wynikami etapów %1, chyba że usuniesz te pliki.\n\nCzy chcesz usunąć pliki z wynikami ?", MessageStyle::Question},
    MessageDefinition{17, "Punkt o kodzie \"%1\" już istenieje.", MessageStyle::Error},
    MessageDefinition{18, "Brak w opisie trasy punktu o kodzie \"%1\", czy checsz go dodać ?", MessageStyle::Question},
    MessageDefinition{19, "Brak w opisie trasy punktu o kodzie \"%1\".", MessageStyle::Notice},
    MessageDefinition{20, "Brak opisu punktu.", MessageStyle::Error},
    MessageDefinition{21, "Istnieje już punkt z tym samym opisem, czy chcesz to zostawić ?", MessageStyle::Question},
    MessageDefinition{22, "Opis punktu nie może się zaczynać od litery \"L\" bądź też \"O\".", MessageStyle::Error},
    MessageDefinition{23, "Wiek tego uczestnika przekracza %1 lat. Czy mino to chcesz go wpisać do kategorii %2 ?", MessageStyle::Question},
    MessageDefinition{26, "Drużynie przysługuje prawdopodobnie wydłużony limit czasu.  Czy chcesz go ustawić ?", MessageStyle::Question},
    MessageDefinition{27, "Brak listy startowej. Musisz ją najpierw wygenerować.", MessageStyle::Error},
    MessageDefinition{28, "Jak wpowadzisz jakieś wyniki to może je wydrukuję.", MessageStyle::Error},
    MessageDefinition{29, "Jak wprowadzisz dane zawodników to może je wydrukuję.", MessageStyle::Error},
};

MessageAnswer answerOnConsole(const MessageRequest& request)
{
    std::fprintf(stderr, "%s: %s\n", kMessageCaption, request.text.c_str());
    return defaultAnswer(request.style);
}

MessageAnswerer& installedAnswerer()
{
    static MessageAnswerer answerer = answerOnConsole;
    return answerer;
}

// One pass over the template, so an argument holding "%2" stays as it is.
std::string fillPlaceholders(std::string_view pattern, std::string_view arg1, std::string_view arg2)
{
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        if (pattern[at] == '%' && at + 1 < pattern.size() && (pattern[at + 1] == '1' || pattern[at + 1] == '2')) {
            text += pattern[at + 1] == '1' ? arg1 : arg2;
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

} // namespace

const MessageDefinition* findMessage(int id)
{
    for (const MessageDefinition& message : kMessages)
        if (message.id == id)
            return &message;
    return nullptr;
}

std::string formatMessage(int id, std::string_view arg1, std::string_view arg2)
{
    const MessageDefinition* message = findMessage(id);
    const std::string pattern = message ? message->text : "Komunikat " + std::to_string(id) + " %1 %2";
    return fillPlaceholders(pattern, arg1, arg2);
}

MessageAnswerer setMessageAnswerer(MessageAnswerer answerer)
{
    if (!answerer)
        answerer = answerOnConsole;
    return std::exchange(installedAnswerer(), std::move(answerer));
}

MessageAnswer showMessage(int id, std::string_view arg1, std::string_view arg2)
{
    const MessageDefinition* message = findMessage(id);
    MessageRequest request;
    request.id = id;
    request.text = formatMessage(id, arg1, arg2);
    request.style = message ? message->style : MessageStyle::Error;
    request.arg1 = std::string(arg1);
    request.arg2 = std::string(arg2);
    return installedAnswerer()(request);
}

MessageAnswer showMessage(int id, int arg1, std::string_view arg2)
{
    return showMessage(id, std::to_string(arg1), arg2);
}

MessageAnswer showMessageText(std::string text, MessageStyle style)
{
    MessageRequest request;
    request.text = std::move(text);
    request.style = style;
    return installedAnswerer()(request);
}

MessageAnswer defaultAnswer(MessageStyle style)
{
    switch (style) {
    case MessageStyle::Question:
        return MessageAnswer::No;
    case MessageStyle::QuestionYes:
    case MessageStyle::QuestionCancel:
        return MessageAnswer::Yes;
    default:
        return MessageAnswer::Ok;
    }
}

} // namespace trop
