#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "run_tool.h"

// The bands reach every output of the tool. Their arithmetic is checked in
// the engine's tests; here the textbook line of set I of Anscombe's quartet
// (Y = 3.0001 + 0.5001 X, s = 1.236603, t(0.975, 9) = 2.262157) must show at
// its mean X of 9, where the band of the mean is t s / sqrt(11) wide on
// either side and that of a new observation t s sqrt(1 + 1/11).

namespace rv::testing {
namespace {

// The number after `"key": ` in the text from `from` on.
double JsonValue(const std::string& text, const std::string& key, size_t from) {
  const size_t at = text.find("\"" + key + "\": ", from);
  if (at == std::string::npos) return NAN;
  return std::stod(text.substr(at + key.size() + 4));
}

using BandTool = ToolFolderTest;

TEST_F(BandTool, EveryOutputCarriesTheBandsAtTheLevelAsked) {
  const std::string path = write("data.csv", kAnscombe);
  const double t = 2.262157162740992, s = 1.2366033468, fitted = 3.0000909090909 + 0.500090909090909 * 9;
  const struct {
    const char* level;
    double expectedLevel;
  } levels[] = {{nullptr, 0.95}, {"0.95", 0.95}, {"95", 0.95}};
  for (const auto& c : levels) {
    std::vector<std::string> words = {"stats", path, "--ordinal", "3", "--json"};
    if (c.level != nullptr) words.insert(words.end(), {"--level", c.level});
    const ToolResult result = RunTool(words);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(JsonValue(result.out, "band_level", 0), c.expectedLevel);
    const size_t point4 = result.out.find("{\"n\": 4,");
    ASSERT_NE(point4, std::string::npos) << result.out;
    const double mean = t * s / std::sqrt(11.0), observation = t * s * std::sqrt(1.0 + 1.0 / 11.0);
    EXPECT_NEAR(JsonValue(result.out, "conf_low", point4), fitted - mean, 1e-6);
    EXPECT_NEAR(JsonValue(result.out, "conf_high", point4), fitted + mean, 1e-6);
    EXPECT_NEAR(JsonValue(result.out, "pred_low", point4), fitted - observation, 1e-6);
    EXPECT_NEAR(JsonValue(result.out, "pred_high", point4), fitted + observation, 1e-6);
  }
  const ToolResult narrower = RunTool({"stats", path, "--ordinal", "3", "--json", "--level", "50"});
  EXPECT_EQ(JsonValue(narrower.out, "band_level", 0), 0.5);
  EXPECT_LT(JsonValue(narrower.out, "conf_high", 0),
            JsonValue(RunTool({"stats", path, "--ordinal", "3", "--json"}).out, "conf_high", 0));

  const ToolResult text = RunTool({"stats", path, "--ordinal", "3"});
  EXPECT_NE(text.out.find("\n95% bands: Conf of the mean, Pred of a new observation\n"
                          "n\tConf Low\tConf High\tPred Low\tPred High\n  1\t"),
            std::string::npos)
      << text.out;
  const ToolResult logarithmic = RunTool({"stats", path, "--ordinal", "8578"});
  EXPECT_NE(logarithmic.out.find(" (approximate: the bands of "), std::string::npos) << logarithmic.out;

  const ToolResult curve = RunTool({"graph", path, "--ordinal", "3", "--vars", "X1", "--data"});
  EXPECT_EQ(curve.out.substr(0, curve.out.find('\r')), "X1\tY\tConf Low\tConf High\tPred Low\tPred High");
  const ToolResult bare = RunTool({"graph", path, "--ordinal", "3", "--vars", "X1", "--data", "--no-bands"});
  EXPECT_EQ(bare.out.substr(0, bare.out.find('\r')), "X1\tY");

  const ToolResult code = RunTool({"code", path, "--ordinal", "3", "--lang", "c", "--band", "--level", "0.9"});
  EXPECT_NE(code.out.find("/*  Regrovantis Band (FuncBand): half-width of the 90% bands  */\r\n"), std::string::npos);
  EXPECT_NE(code.out.find("double FuncBand (double X1, int Pred) {"), std::string::npos) << code.out;

  for (const char* wrong : {"0.3", "100", "ninety", "0.95x"}) {
    const ToolResult refused = RunTool({"stats", path, "--ordinal", "3", "--level", wrong});
    EXPECT_EQ(refused.status, 2) << wrong;
    EXPECT_NE(refused.err.find("--level takes a probability from 0.5 to 0.999"), std::string::npos) << refused.err;
  }
}

}  // namespace
}  // namespace rv::testing
