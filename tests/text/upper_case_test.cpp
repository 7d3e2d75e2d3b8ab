#include "platform/text/upper_case.h"

#include <gtest/gtest.h>

namespace ov {
namespace {

TEST(UpperCase, RussianAndLatinLetters) {
  EXPECT_EQ(utf8Upper("привет, ёжик! abc xyz"), "ПРИВЕТ, ЁЖИК! ABC XYZ");
  EXPECT_EQ(utf8Upper("абвгдежзийклмнопрстуфхцчшщъыьэюя"),
            "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
  EXPECT_EQ(utf8Upper("ґ і ї є ў ђ ѓ љ њ ћ ќ џ ј ѕ"),
            "Ґ І Ї Є Ў Ђ Ѓ Љ Њ Ћ Ќ Џ Ј Ѕ");
  EXPECT_EQ(utf8Upper("ПК-7 UPPER"), "ПК-7 UPPER");
}

TEST(UpperCase, OtherCharactersAndBrokenBytesStay) {
  EXPECT_EQ(utf8Upper("12 №5 € 日本 {}[]@`"), "12 №5 € 日本 {}[]@`");
  EXPECT_EQ(utf8Upper("\xFF"
                      "а\xD0"),
            "\xFF"
            "А\xD0");
}

}  // namespace
}  // namespace ov
