#include <gtest/gtest.h>

#include "app/ctl/command.h"

namespace gm::ctl {
namespace {

const OptionList kOptions{{{"--chip"}, OptionValue::Required},
                          {{"-o", "--output"}, OptionValue::Required},
                          {{"--simulate"}, OptionValue::Optional},
                          {{"--sim-fault"}, OptionValue::Required, true},
                          {{"--trace"}, OptionValue::None}};

ParsedArgs parsed(const Args& args) {
    std::string error;
    const auto result = parseArgs(args, kOptions, error);
    EXPECT_TRUE(result) << error;
    return result.value_or(ParsedArgs{});
}

std::string refusal(const Args& args) {
    std::string error;
    EXPECT_FALSE(parseArgs(args, kOptions, error));
    return error;
}

TEST(ParseArgs, ValuesSeparateOrAfterEqualsAndPositionalInOrder) {
    const ParsedArgs a = parsed({"in.bin", "--chip", "4230A", "-", "--output=x=y.bin", "last"});
    EXPECT_EQ(a.positional, (Args{"in.bin", "-", "last"}));
    EXPECT_EQ(a.value("--chip"), "4230A");
    EXPECT_EQ(a.value("-o"), "x=y.bin");  // an alias is stored under the first name
    EXPECT_FALSE(a.has("--output"));
    EXPECT_FALSE(a.has("--trace"));
    EXPECT_EQ(a.value("--trace"), std::nullopt);
    EXPECT_TRUE(a.values("--sim-fault").empty());
}

TEST(ParseArgs, FlagsAndOptionalValues) {
    const ParsedArgs plain = parsed({"--simulate", "4230A", "--trace"});
    EXPECT_EQ(plain.value("--simulate"), "");
    EXPECT_EQ(plain.positional, Args{"4230A"});  // an optional value only follows '='
    EXPECT_TRUE(plain.has("--trace"));
    EXPECT_EQ(parsed({"--simulate=4230A"}).value("--simulate"), "4230A");
    EXPECT_EQ(refusal({"--trace=yes"}), "--trace takes no value");
}

TEST(ParseArgs, RefusesUnknownOptionsByName) {
    EXPECT_EQ(refusal({"file", "--backup-dir", "bk"}), "unknown option --backup-dir");
    EXPECT_EQ(refusal({"--colour=red"}), "unknown option --colour");
    EXPECT_EQ(refusal({"--simulte"}), "unknown option --simulte");
}

// A negative number is an argument for the command to refuse ("must be 0 or more"), not an
// unknown option.
TEST(ParseArgs, NegativeNumbersArePositional) {
    EXPECT_EQ(parsed({"-5", "--trace", "-0x10"}).positional, (Args{"-5", "-0x10"}));
    EXPECT_EQ(refusal({"-x"}), "unknown option -x");
}

TEST(ParseArgs, RefusesMissingAndEmptyValues) {
    EXPECT_EQ(refusal({"--chip"}), "--chip needs a value");
    EXPECT_EQ(refusal({"--chip="}), "--chip needs a value");
    EXPECT_EQ(refusal({"--chip", ""}), "--chip needs a value");
    EXPECT_EQ(refusal({"--simulate="}), "--simulate needs a value");
    // The next option is not swallowed as the value.
    EXPECT_EQ(refusal({"-o", "--trace"}), "-o needs a value");
}

TEST(ParseArgs, RepeatsOnlyWhereAllowed) {
    EXPECT_EQ(refusal({"--chip", "4210A", "--chip=4230A"}), "--chip given twice");
    EXPECT_EQ(refusal({"-o", "a", "--output", "b"}), "-o or --output given twice");
    EXPECT_EQ(refusal({"--simulate", "--simulate=4230A"}), "--simulate given twice");
    EXPECT_EQ(refusal({"--trace", "--trace"}), "--trace given twice");
    const ParsedArgs a = parsed({"--sim-fault", "refuse-command", "--sim-fault=vanish-after=2"});
    EXPECT_EQ(a.values("--sim-fault"),
              (std::vector<std::string>{"refuse-command", "vanish-after=2"}));
}

}  // namespace
}  // namespace gm::ctl
