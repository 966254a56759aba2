// A Dictionary tells objects apart by identity, never by their contents.
#include <gtest/gtest.h>

#include <string>

#include "framework/fw_dictionary.h"
#include "framework/fw_errors.h"

namespace {

TEST(Dictionary, KeysAreObjectIdentities) {
  const std::string a = "same", b = "same";
  fw::Dictionary d;
  d.Value(&a, "120 300");
  EXPECT_TRUE(d.HasKey(&a));
  EXPECT_FALSE(d.HasKey(&b));
  EXPECT_EQ(d.Value(&a), "120 300");
  d.Value(&a, "0 0");
  EXPECT_EQ(d.Value(&a), "0 0");
  EXPECT_EQ(d.Count(), 1);
}

TEST(Dictionary, MissingKeyThrowsKeyNotFound) {
  int object = 0;
  fw::Dictionary d;
  EXPECT_THROW(d.Value(&object), fw::KeyNotFoundException);
  d.Value(&object, "x");
  d.Remove(&object);
  EXPECT_THROW(d.Value(&object), fw::KeyNotFoundException);
}

TEST(Dictionary, RemoveAndClear) {
  int first = 0, second = 0;
  fw::Dictionary d;
  d.Value(&first, "1");
  d.Value(&second, "2");
  d.Remove(&first);
  d.Remove(&first);  // a missing key changes nothing
  EXPECT_FALSE(d.HasKey(&first));
  EXPECT_TRUE(d.HasKey(&second));
  EXPECT_EQ(d.Count(), 1);
  d.Clear();
  EXPECT_EQ(d.Count(), 0);
  EXPECT_FALSE(d.HasKey(&second));
}

}  // namespace
