#include <gtest/gtest.h>

#include "common/UriParts.h"

namespace {

struct UriCase {
  const char* uri;
  const char* parts[6];  // by UriPart
};

TEST(UriParts, SplitsEveryPart) {
  const UriCase cases[] = {
      {"sip:conf01@ims.example.cn;transport=udp",
       {"conf01@ims.example.cn", "conf01", "ims.example.cn", "transport=udp", "sip", "sip:conf01"}},
      {"sip:8001@h", {"8001@h", "8001", "h", "", "sip", "sip:8001"}},
      {"tel:80012345", {"80012345", "80012345", "", "", "tel", "tel:80012345"}},
      {"user@host/res", {"user@host", "user", "host", "res", "", "sip:user"}},
      {"80012345", {"80012345", "80012345", "", "", "", "sip:80012345"}},
      {"user@host:5060", {"user@host:5060", "user", "host:5060", "", "", "sip:user"}},
      {"", {"", "", "", "", "", "sip:"}},
  };
  for (const UriCase& c : cases)
    for (int part = 0; part < 6; ++part)
      EXPECT_EQ(CString(c.parts[part]), GetURIPart(c.uri, part)) << c.uri << " part " << part;
  EXPECT_EQ(CString(""), GetURIPart("sip:a@b", 6));
}

TEST(UriParts, TelNumbersAndDigits) {
  EXPECT_TRUE(IsTelNumber("80012345"));
  EXPECT_TRUE(IsTelNumber("TEL:80012345"));
  EXPECT_FALSE(IsTelNumber(""));
  EXPECT_FALSE(IsTelNumber("tel:800a"));
  EXPECT_FALSE(IsTelNumber("sip:8001@h"));
  EXPECT_FALSE(IsTelNumber("8001,23"));
  EXPECT_TRUE(IsAllDigits(""));
  EXPECT_TRUE(IsAllDigits("0123456789"));
  EXPECT_FALSE(IsAllDigits("12 3"));
  EXPECT_FALSE(IsAllDigits("１２"));  // full-width digits are not digits
}

}  // namespace
