#pragma once

#include "kro-core/plugin/IKROSDKController.h"
#include "kro-core/plugin/KRODisplayDataBuffer.h"

#include <boost/property_tree/ptree.hpp>

#include <map>
#include <string>
#include <vector>

// A controller for editor tests: it answers parameter reads and display-data requests from what
// the test set, and records everything the editor sends. The editor owns and deletes it, so the
// test keeps a plain pointer and must not use it after the editor is gone.
class RecordingController final : public Mevarik::IKROSDKController
{
public:
    struct ParameterSet
    {
        uint32_t index;
        double value;
        bool operator==(const ParameterSet& other) const { return index == other.index && value == other.value; }
    };

    double GetParameterNormalized(uint32_t index) override
    {
        ++reads[index];
        auto found = values.find(index);
        return found == values.end() ? 0.0 : found->second;
    }
    int32_t SetParameterNormalized(uint32_t index, double value) override
    {
        sets.push_back({index, value});
        return 0;
    }
    int32_t GetParameterCount() override { return 9; }
    int32_t GetFirstParameterIndex() override { return 0; }
    bool IsConnected() override { return true; }
    void ReleaseLink(std::shared_ptr<void>) override {}
    void Idle() override {}
    void SendMessage(const std::string& message) override { messages.push_back(message); }
    void SendStateTree(const boost::property_tree::ptree& tree) override { trees.push_back(tree); }
    // Hands out the next prepared reply (none when the effect has no block), or the same reply
    // again and again when replyEveryTime is set.
    int32_t GetDisplayData(int32_t channel, float** buffer, int32_t* capacity, int32_t countHint) override
    {
        displayRequests.push_back({channel, countHint});
        if (displayReplies.empty())
            return 0;
        std::vector<float> reply = displayReplies.front();
        if (!replyEveryTime)
            displayReplies.erase(displayReplies.begin());
        if (reply.empty())
            return 0;
        return CopyDisplayData(reply.data(), static_cast<int32_t>(reply.size()), buffer, capacity);
    }
    int32_t SetDisplayData(int32_t, float*, int32_t) override { return 0; }
    void BeginEdit(uint32_t index) override { edits.push_back("begin " + std::to_string(index)); }
    void EndEdit(uint32_t index) override { edits.push_back("end " + std::to_string(index)); }

    struct DisplayRequest
    {
        int32_t channel;
        int32_t countHint;
    };

    std::map<uint32_t, double> values;
    std::map<uint32_t, int> reads;
    std::vector<ParameterSet> sets;
    std::vector<std::string> messages;
    std::vector<boost::property_tree::ptree> trees;
    std::vector<std::vector<float>> displayReplies;
    bool replyEveryTime = false;
    std::vector<DisplayRequest> displayRequests;
    std::vector<std::string> edits;
};
