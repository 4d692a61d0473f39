#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/Codecs.h"

namespace {

std::string Encode64(const std::string& in) {
  std::vector<BYTE> out((in.size() + 2) / 3 * 4 + 1, 0);
  DWORD len = 0;
  EXPECT_EQ(0, drm_Base64Encode(reinterpret_cast<const BYTE*>(in.data()), (int)in.size(), out.data(), &len));
  return std::string(reinterpret_cast<char*>(out.data()), len);
}

// Decodes into a buffer of outSize bytes followed by guard bytes that must stay untouched.
int Decode64(const std::string& in, DWORD outSize, std::string* out) {
  std::vector<BYTE> buffer(outSize + 8, 0xAB);
  DWORD len = 12345;
  int result = Base64Decode(reinterpret_cast<const BYTE*>(in.data()), (int)in.size(), buffer.data(), &len, outSize);
  for (DWORD i = outSize; i < outSize + 8; ++i) EXPECT_EQ(0xAB, buffer[i]) << "written past the output";
  if (result == 0) *out = std::string(reinterpret_cast<char*>(buffer.data()), len);
  return result;
}

TEST(Hex, EncodesLowerCaseWithoutSeparators) {
  EXPECT_EQ(CString("3c6d"), HexEncodeString("<m"));
  EXPECT_EQ(CString("d6d0"), HexEncodeString("中").Left(4));
  EXPECT_EQ(CString(""), HexEncodeString(""));
  EXPECT_EQ(CString(""), HexEncodeString(nullptr));
}

TEST(Hex, RoundTripsEveryByteValue) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += (char)b;
  CString hex = HexEncodeString(all.c_str());
  ASSERT_EQ(510, hex.GetLength());
  std::vector<BYTE> out(255);
  ASSERT_EQ(255, HexDecodeString(hex, out.data(), (int)out.size()));
  EXPECT_EQ(0, memcmp(all.data(), out.data(), 255));
  BYTE upper[2];
  EXPECT_EQ(2, HexDecodeString("ABcd", upper, 2));
  EXPECT_EQ(0xAB, upper[0]);
  EXPECT_EQ(0xCD, upper[1]);
}

TEST(Hex, RefusesBadTextAndNeverWritesPastTheBound) {
  BYTE out[4] = {9, 9, 9, 9};
  EXPECT_EQ(-1, HexDecodeString("abc", out, 4)) << "odd length";
  EXPECT_EQ(-1, HexDecodeString("zz00", out, 4)) << "not hexadecimal";
  EXPECT_EQ(-1, HexDecodeString("0011223344", out, 4)) << "five bytes into four";
  EXPECT_EQ(-1, HexDecodeString("00", nullptr, 4));
  for (BYTE b : out) EXPECT_EQ(9, b);
  EXPECT_EQ(0, HexDecodeString("", out, 0));
}

TEST(Base64, EncodesTheStandardVectors) {
  EXPECT_EQ("", Encode64(""));
  EXPECT_EQ("Zg==", Encode64("f"));
  EXPECT_EQ("Zm8=", Encode64("fo"));
  EXPECT_EQ("Zm9v", Encode64("foo"));
  EXPECT_EQ("Zm9vYmFy", Encode64("foobar"));
  EXPECT_EQ("+/8=", Encode64("\xfb\xff"));
}

TEST(Base64, RoundTripsEveryLength) {
  std::string data;
  for (int n = 0; n < 70; ++n) {
    std::string out;
    ASSERT_EQ(0, Decode64(Encode64(data), (DWORD)data.size(), &out)) << n;
    EXPECT_EQ(data, out);
    data += (char)(n * 37 + 11);
  }
}

TEST(Base64, RefusesBadInputWithoutWriting) {
  std::string out;
  EXPECT_EQ(-1, Decode64("Zm9", 16, &out)) << "not a multiple of four";
  EXPECT_EQ(-1, Decode64("Zm9*", 16, &out)) << "outside the alphabet";
  EXPECT_EQ(-1, Decode64("Z=9v", 16, &out)) << "padding in the middle";
  EXPECT_EQ(-1, Decode64("Zg==Zm9v", 16, &out)) << "padding before the last group";
  EXPECT_EQ(-1, Decode64("Z===", 16, &out));
  EXPECT_EQ(-1, Decode64(std::string("Zm\0v", 4), 16, &out)) << "a zero byte";
  EXPECT_EQ(-1, Decode64("Zm9vYmFy", 5, &out)) << "six bytes into five";
  EXPECT_EQ(0, Decode64("Zm9vYmFy", 6, &out));
  BYTE buffer[4];
  EXPECT_EQ(-1, Base64Decode(nullptr, 4, buffer, nullptr, 4));
  EXPECT_EQ(-1, Base64Decode(reinterpret_cast<const BYTE*>("Zm9v"), 4, nullptr, nullptr, 4));
  EXPECT_EQ(0, Base64Decode(reinterpret_cast<const BYTE*>("Zm9v"), 4, buffer, nullptr, 4)) << "length optional";
}

}  // namespace
