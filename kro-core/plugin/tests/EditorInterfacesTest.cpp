#include "kro-core/plugin/testing/DirectController.h"
#include "kro-core/plugin/IKROPlugEditorMessage.h"
#include "kro-core/plugin/IKROSDKController.h"
#include "kro-core/plugin/KRODisplayDataBuffer.h"

#include <gtest/gtest.h>

#include <boost/property_tree/ptree.hpp>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// An effect's display data as the product hands it out: 19 values once per new reading, else 1;
// its parameters are of no interest here.
struct ReadingSource
{
    static constexpr int32_t kMaxParameterChanges = 1;

    const float* GetDisplayData(int32_t channel, int32_t& count)
    {
        count = (channel == 0 && newReading) ? 19 : 1;
        newReading = newReading && channel != 0;
        return values.data();
    }
    float GetParameterNormalized(int32_t) { return 0.0f; }
    void SetParameterNormalized(int32_t, float, int32_t*, int32_t&) {}
    int32_t GetParameterCount() { return 5; }
    int32_t GetFirstParameterIndex() { return 0; }
    std::string HandleGuiMessage(const std::string&) { return {}; }
    boost::property_tree::ptree SetStateTreeFromEditor(const boost::property_tree::ptree&) { return {}; }

    std::vector<float> values = std::vector<float>(19, 0.25f);
    bool newReading = true;
};

// A controller the way both formats build one, over the source above; it notes its destruction.
class ControllerOverSource final : public DirectController<ReadingSource>
{
public:
    ControllerOverSource(ReadingSource& source, bool& destroyed_) : DirectController(source), destroyed(destroyed_) {}
    ~ControllerOverSource() override { destroyed = true; }

private:
    bool& destroyed;
};

class RecordingEditorLink final : public IKROPlugEditorMessage
{
public:
    explicit RecordingEditorLink(bool& destroyed_) : destroyed(destroyed_) {}
    ~RecordingEditorLink() override { destroyed = true; }

    void SendString(std::string text) override { strings.push_back(std::move(text)); }
    void SendParameterChange(uint32_t index, float) override { marked.push_back(index); }
    void SendBinary(const float*, int32_t) override {}
    void SendStateTree(const boost::property_tree::ptree&, bool) override {}

    std::vector<std::string> strings;
    std::vector<uint32_t> marked;

private:
    bool& destroyed;
};

TEST(EditorInterfaces, EditorRefreshGetsOneFullReadingThenOneValue)
{
    ReadingSource source;
    bool destroyed = false;
    std::unique_ptr<Mevarik::IKROSDKController> controller = std::make_unique<ControllerOverSource>(source, destroyed);

    float* buffer = AllocateDisplayBuffer(1);
    int32_t capacity = 1;
    EXPECT_EQ(controller->GetDisplayData(1, &buffer, &capacity, capacity), 1); // other channels: no reading
    EXPECT_EQ(controller->GetDisplayData(0, &buffer, &capacity, capacity), 19);
    EXPECT_EQ(capacity, 19);
    EXPECT_EQ(buffer[18], 0.25f);
    EXPECT_EQ(controller->GetDisplayData(0, &buffer, &capacity, capacity), 1);
    FreeDisplayBuffer(buffer);

    controller.reset(); // the editor deletes what it owns through the interface
    EXPECT_TRUE(destroyed);
}

TEST(EditorInterfaces, EditorLinkIsDeletedThroughItsInterface)
{
    bool destroyed = false;
    std::unique_ptr<IKROPlugEditorMessage> link = std::make_unique<RecordingEditorLink>(destroyed);
    link->SendString("UpdateParameterValues");
    link->SendParameterChange(3, 0.5f);
    const auto& recording = static_cast<RecordingEditorLink&>(*link);
    EXPECT_EQ(recording.strings, std::vector<std::string>{"UpdateParameterValues"});
    EXPECT_EQ(recording.marked, std::vector<uint32_t>{3});
    link.reset();
    EXPECT_TRUE(destroyed);
}

} // namespace
