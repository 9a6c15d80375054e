#include "IKROPlugEditorMessage.h"
#include "IKROSDKController.h"
#include "KRODisplayDataBuffer.h"

#include <gtest/gtest.h>

#include <boost/property_tree/ptree.hpp>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace
{

// An effect's display data as the product hands it out: 19 values once per new reading, else 1.
struct ReadingSource
{
    const float* GetDisplayData(int32_t channel, int32_t& count)
    {
        count = (channel == 0 && newReading) ? 19 : 1;
        newReading = newReading && channel != 0;
        return values.data();
    }
    std::vector<float> values = std::vector<float>(19, 0.25f);
    bool newReading = true;
};

// A controller the way both formats build one, over the source above; it notes its destruction.
class ControllerOverSource final : public Mevarik::IKROSDKController
{
public:
    ControllerOverSource(ReadingSource& source_, bool& destroyed_) : source(source_), destroyed(destroyed_) {}
    ~ControllerOverSource() override { destroyed = true; }

    double GetParameterNormalized(uint32_t) override { return 0.0; }
    int32_t SetParameterNormalized(uint32_t, double) override { return 0; }
    int32_t GetParameterCount() override { return 5; }
    int32_t GetFirstParameterIndex() override { return 0; }
    bool IsConnected() override { return true; }
    void ReleaseLink(std::shared_ptr<void>) override {}
    void Idle() override {}
    void SendMessage(const std::string&) override {}
    void SendStateTree(const boost::property_tree::ptree&) override {}
    int32_t GetDisplayData(int32_t channel, float** buffer, int32_t* capacity, int32_t countHint) override
    {
        int32_t count = countHint;
        const float* data = source.GetDisplayData(channel, count);
        return CopyDisplayData(data, count, buffer, capacity);
    }
    int32_t SetDisplayData(int32_t, float*, int32_t) override { return 0; }
    void BeginEdit(uint32_t) override {}
    void EndEdit(uint32_t) override {}

private:
    ReadingSource& source;
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
    std::unique_ptr<Mevarik::IKROSDKController> controller =
        std::make_unique<ControllerOverSource>(source, destroyed);

    float* buffer = AllocateDisplayBuffer(1);
    int32_t capacity = 1;
    EXPECT_EQ(controller->GetDisplayData(1, &buffer, &capacity, capacity), 1);  // other channels: no reading
    EXPECT_EQ(controller->GetDisplayData(0, &buffer, &capacity, capacity), 19);
    EXPECT_EQ(capacity, 19);
    EXPECT_EQ(buffer[18], 0.25f);
    EXPECT_EQ(controller->GetDisplayData(0, &buffer, &capacity, capacity), 1);
    FreeDisplayBuffer(buffer);

    controller.reset();  // the editor deletes what it owns through the interface
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

}  // namespace
