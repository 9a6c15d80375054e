#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_CheckedResult.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_Exception.h"
#include "kro-core/AAX_SDK_2p4p0/Libs/AAXLibrary/source/AAX_ResultText.h"
#include "StartedSimHost.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct NameCase
{
    AAX_Result code;
    const char* name;
};

TEST(AAXResultText, NamesEveryCodeOverItsRanges)
{
    const NameCase cases[] = {
        {0, "AAX_SUCCESS"},
        {-20001, "AAX_ERROR_INVALID_PARAMETER_ID"},
        {-20004, "AAX_ERROR_NULL_OBJECT"},
        {-20009, "AAX_ERROR_UNIMPLEMENTED"},
        {-20022, "AAX_RESULT_PACKET_STREAM_NOT_EMPTY"},
        {-20039, "AAX_ERROR_PROPERTY_UNDEFINED"},
        {-20046, "AAX_ERROR_ARGUMENT_BUFFER_OVERFLOW"},
        {-20047, "<unknown error code>"},
        {-20000, "<unknown error code>"},
        {-20599, "<unknown error code>"},
        {-20600, "plug-in defined error"},
        {-20800, "plug-in defined error"},
        {-21000, "plug-in defined error"},
        {-21001, "<unknown error code>"},
        {1, "<unknown error code>"},
        {static_cast<AAX_Result>(0x80000004u), "<unknown error code>"},
    };
    for (const NameCase& c : cases)
    {
        SCOPED_TRACE(c.code);
        EXPECT_STREQ(AAX_ResultName(c.code), c.name);
    }
    // Every library code has a name of its own.
    for (AAX_Result code = -20046; code <= -20001; ++code)
        EXPECT_EQ(std::string(AAX_ResultName(code)).rfind("AAX_", 0), 0u) << code;
}

TEST(AAXResultText, GivesTheNameAndTheCodeInParentheses)
{
    EXPECT_EQ(AAX_ResultText(-20004), "AAX_ERROR_NULL_OBJECT (-20004)");
    EXPECT_EQ(AAX_ResultText(0), "AAX_SUCCESS (0)");
    EXPECT_EQ(AAX_ResultText(-20700), "plug-in defined error (-20700)");
    EXPECT_EQ(AAX_ResultText(7), "<unknown error code> (7)");
}

TEST(AAXException, ComposesItsMessageFromTheGivenParts)
{
    EXPECT_EQ(AAX::Exception::Any("broken").What(), "broken");
    EXPECT_EQ(AAX::Exception::Any("broken", "Load").What(), "broken func:Load");
    EXPECT_EQ(AAX::Exception::Any("broken", "", "12").What(), "broken line:12");
    EXPECT_EQ(AAX::Exception::Any("broken", "Load", "12").What(), "broken func:Load line:12");

    const AAX::Exception::ResultError error(AAX_ERROR_UNIMPLEMENTED);
    EXPECT_EQ(error.Result(), -20009);
    EXPECT_EQ(error.What(), "AAX_ERROR_UNIMPLEMENTED (-20009)");
    const AAX::Exception::ResultError moved(AAX::Exception::ResultError(-20004));
    EXPECT_EQ(moved.What(), "AAX_ERROR_NULL_OBJECT (-20004)");
}

TEST(AAXCheckedResult, TracesAndThrowsAFailureAndForgetsIt)
{
    StartedSimHost started;
    AAX_CheckedResult result;
    EXPECT_NO_THROW(result = AAX_SUCCESS);
    try
    {
        result = AAX_ERROR_NULL_OBJECT;
        ADD_FAILURE() << "a failing code must throw";
    }
    catch (const AAX::Exception::ResultError& error)
    {
        EXPECT_EQ(error.Result(), AAX_ERROR_NULL_OBJECT);
    }
    EXPECT_EQ(static_cast<AAX_Result>(result), AAX_SUCCESS);
    EXPECT_EQ(result.LastError(), AAX_ERROR_NULL_OBJECT);
    EXPECT_EQ(started.Traces(), std::vector<std::string>({"HostServices.Trace(67108864, AAX_CheckedResult - throwing "
                                                          "AAX_ERROR_NULL_OBJECT (-20004))"}));
    EXPECT_THROW(AAX_CheckedResult constructed(-20700), AAX::Exception::ResultError);
}

TEST(AAXCheckedResult, AcceptsTheCodesItIsGiven)
{
    StartedSimHost started;
    AAX_CheckedResult result;
    result.AddAcceptedResult(AAX_RESULT_NEW_PACKET_POSTED);
    EXPECT_NO_THROW(result = AAX_RESULT_NEW_PACKET_POSTED);
    EXPECT_EQ(static_cast<AAX_Result>(result), AAX_RESULT_NEW_PACKET_POSTED);
    EXPECT_THROW(result = AAX_ERROR_FIFO_FULL, AAX::Exception::ResultError);
    EXPECT_EQ(started.Traces().size(), 1u);
}

} // namespace
