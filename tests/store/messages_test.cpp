#include "trop/store/messages.h"

#include <gtest/gtest.h>

#include <vector>

using namespace trop;

namespace {

TEST(Messages, FormatsPlaceholdersAndKeepsPolishText)
{
    EXPECT_EQ(formatMessage(7, "Results"), "Wystąpił błąd podczas odczytu pliku \"Results\".");
    EXPECT_EQ(formatMessage(23, "13", "TD"),
              "Wiek tego uczestnika przekracza 13 lat. Czy mino to chcesz go wpisać do kategorii TD ?");
    EXPECT_EQ(formatMessage(11, "E2"), "Czy na pewno chcesz usunąć etap  \"E2\" ?");
    // An argument that itself contains a placeholder is not expanded again.
    EXPECT_EQ(formatMessage(1, "%2", "x"), "Wystąpił błąd podczas tworzenia kartoteki \"%2\".");
}

TEST(Messages, EveryMessageHasTheStyleOfItsButtons)
{
    EXPECT_EQ(findMessage(5)->style, MessageStyle::Question);
    EXPECT_EQ(findMessage(10)->style, MessageStyle::QuestionYes);
    EXPECT_EQ(findMessage(7)->style, MessageStyle::Error);
    EXPECT_EQ(findMessage(3)->style, MessageStyle::Notice);
    // Refusals of a point description and "nothing to print" carry the stop icon.
    for (int id : {20, 22, 27, 28, 29})
        EXPECT_EQ(findMessage(id)->style, MessageStyle::Error) << id;
    EXPECT_EQ(findMessage(16), nullptr);
    EXPECT_EQ(defaultAnswer(MessageStyle::Question), MessageAnswer::No);
    EXPECT_EQ(defaultAnswer(MessageStyle::QuestionYes), MessageAnswer::Yes);
}

TEST(Messages, InstalledAnswererSeesEveryRequest)
{
    std::vector<MessageRequest> asked;
    MessageAnswerer previous = setMessageAnswerer([&](const MessageRequest& request) {
        asked.push_back(request);
        return MessageAnswer::Yes;
    });
    EXPECT_EQ(showMessage(9, "TD"), MessageAnswer::Yes);
    EXPECT_EQ(showMessage(23, 19, "TJ"), MessageAnswer::Yes);
    setMessageAnswerer(previous);

    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].id, 9);
    EXPECT_EQ(asked[0].arg1, "TD");
    EXPECT_EQ(asked[0].style, MessageStyle::Question);
    EXPECT_EQ(asked[1].arg1, "19");
    EXPECT_EQ(asked[1].arg2, "TJ");
}

} // namespace
