#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

#include "EffectBase.h"
#include "HostRecorder.h"
#include "PluginMain.h"
#include "RecordingEditor.h"
#include "SweepFilterEffect.h"

namespace sweepfilter {

namespace {

class Dispatcher : public ::testing::Test {
 protected:
  void SetUp() override {
    hostCalls.clear();
    hostVersionAnswer = 2400;
    d = pluginMain(recordingHost);
    ASSERT_NE(d, nullptr);
    hostCalls.clear();
  }
  void TearDown() override {
    if (d) d->dispatchEntry(d, opClose, 0, 0, nullptr, 0.0f);
  }
  HostWord dispatch(std::int32_t opcode, std::int32_t index = 0, HostWord value = 0, void* ptr = nullptr,
                    float opt = 0.0f) {
    return d->dispatchEntry(d, opcode, index, value, ptr, opt);
  }
  EffectBase* effect() { return static_cast<EffectBase*>(d->effectObject); }
  RecordingEditor* editor() { return static_cast<RecordingEditor*>(effect()->getEditor()); }

  PluginDescriptor* d = nullptr;
};

TEST(PluginMain, HostVersionZeroCreatesNothing) {
  hostCalls.clear();
  hostVersionAnswer = 0;
  const int editorsBefore = RecordingEditor::liveCount;
  EXPECT_EQ(pluginMain(recordingHost), nullptr);
  EXPECT_EQ(RecordingEditor::liveCount, editorsBefore);
  ASSERT_EQ(hostCalls.size(), 1u);
  EXPECT_EQ(hostCalls[0].descriptor, nullptr);
  EXPECT_EQ(hostCalls[0].opcode, hostVersion);
  EXPECT_EQ(hostCalls[0].ptr, nullptr);
  hostVersionAnswer = 2400;
}

TEST(PluginMain, NullCallbackCreatesNothing) { EXPECT_EQ(pluginMain(nullptr), nullptr); }

TEST_F(Dispatcher, DescriptorAfterConstruction) {
  EXPECT_EQ(d->magic, 0x5A707850);
  EXPECT_EQ(d->programCount, 5);
  EXPECT_EQ(d->parameterCount, 12);
  EXPECT_EQ(d->inputCount, 2);
  EXPECT_EQ(d->outputCount, 2);
  EXPECT_EQ(d->flags, 25);
  EXPECT_EQ(d->hostFloat, 1.0f);
  EXPECT_EQ(d->effectObject, static_cast<void*>(effect()));
  EXPECT_EQ(d->effectId, 0x51784B76);
  EXPECT_EQ(d->effectVersion, 1);
  EXPECT_EQ(d->reserved1, 0);
  EXPECT_EQ(d->reserved2, 0);
  EXPECT_EQ(d->userWord, 0);
  EXPECT_EQ(d->hostWordA | d->hostWordB | d->hostWordC, 0);
  const auto* bytes = reinterpret_cast<const unsigned char*>(d);
  for (std::size_t i = offsetof(PluginDescriptor, reservedSlot); i < sizeof(PluginDescriptor); ++i)
    EXPECT_EQ(bytes[i], 0) << "tail byte " << i;
  EXPECT_NE(d->dispatchEntry, nullptr);
  EXPECT_NE(d->processReplaceEntry, nullptr);
  EXPECT_NE(d->processAccumulateEntry, d->processReplaceEntry);
}

TEST_F(Dispatcher, TwoInstancesAreIndependent) {
  PluginDescriptor* other = pluginMain(recordingHost);
  ASSERT_NE(other, nullptr);
  EXPECT_NE(other->effectObject, d->effectObject);
  d->setParameterEntry(d, paramCutoff, 0.125f);
  EXPECT_EQ(other->getParameterEntry(other, paramCutoff), 0.52f);
  EXPECT_EQ(other->dispatchEntry(other, opClose, 0, 0, nullptr, 0.0f), 1);
}

TEST_F(Dispatcher, CloseAnswersOneAndDestroysTheEffect) {
  const int editorsBefore = RecordingEditor::liveCount;
  EXPECT_EQ(effect()->dispatch(opClose, 0, 0, nullptr, 0.0f), 0);  // the operation itself answers 0
  EXPECT_EQ(dispatch(opClose), 1);
  d = nullptr;
  EXPECT_EQ(RecordingEditor::liveCount, editorsBefore - 1);
}

TEST_F(Dispatcher, ProgramSelectionIgnoresOutOfRange) {
  for (HostWord program : {HostWord{3}, HostWord{5}, HostWord{-1}, HostWord{1000}})
    dispatch(opSelectProgram, 0, program);
  EXPECT_EQ(dispatch(opGetProgram), 3);
  dispatch(opSelectProgram, 0, 4);
  EXPECT_EQ(dispatch(opGetProgram), 4);
}

TEST_F(Dispatcher, FixedAnswers) {
  EXPECT_EQ(dispatch(opGetMeterLevel), 0);
  EXPECT_EQ(dispatch(opIdentify, 7, 99, d, 3.0f), 0x4E764566);
  for (std::int32_t opcode : {16, 17, 18, 20, 21, 25, 26, 100, -1, -10, std::numeric_limits<std::int32_t>::min()})
    EXPECT_EQ(dispatch(opcode, 1, 1, d, 1.0f), 0) << "opcode " << opcode;
  void* state = d;
  EXPECT_EQ(dispatch(opSaveState, 0, 0, &state), 0);
  EXPECT_EQ(dispatch(opLoadState, 1, 10, d), 0);
  EXPECT_TRUE(hostCalls.empty());
}

TEST_F(Dispatcher, SampleRateAcceptsOnlyPositiveFiniteRates) {
  dispatch(opSetSampleRate, 0, 0, nullptr, 48000.0f);
  EXPECT_EQ(effect()->getSampleRate(), 48000.0f);
  for (float bad : {0.0f, -44100.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                    -std::numeric_limits<float>::infinity()})
    dispatch(opSetSampleRate, 0, 0, nullptr, bad);
  EXPECT_EQ(effect()->getSampleRate(), 48000.0f);
  dispatch(opSetBlockSize, 0, 512);
  EXPECT_EQ(effect()->getBlockSize(), 512);
}

TEST_F(Dispatcher, NullPointersAreIgnored) {
  for (std::int32_t opcode : {opRenameProgram, opGetProgramName, opGetParameterLabel, opGetParameterText,
                              opGetParameterName, opEditorGetRect, opEditorOpen, opSaveState, opLoadState})
    EXPECT_EQ(dispatch(opcode, 0, 0, nullptr), 0) << "opcode " << opcode;
  char name[80];
  dispatch(opGetProgramName, 0, 0, name);
  EXPECT_STREQ(name, "slow LFO only");
  EXPECT_EQ(editor()->lastParent(), nullptr);
}

TEST_F(Dispatcher, EditorOpcodesReachTheEditor) {
  EditorRect* rect = nullptr;
  EXPECT_EQ(dispatch(opEditorGetRect, 0, 0, &rect), 1);
  EXPECT_EQ(rect, &editor()->bounds);  // the editor's own rectangle, handed through unchanged
  int parent = 0;
  EXPECT_EQ(dispatch(opEditorOpen, 0, 0, &parent), 1);
  EXPECT_EQ(editor()->lastParent(), &parent);
  dispatch(opEditorClose);
  EXPECT_EQ(editor()->closeCount, 1);
}

// An effect that counts the lifecycle operations the dispatcher reaches.
class LifecycleEffect : public EffectBase {
 public:
  LifecycleEffect() : EffectBase(recordingHost, 1, 1) {}
  void processAccumulate(float**, float**, std::int32_t) override {}
  void onOpen() override { ++opens; }
  void onSuspend() override { ++suspends; }
  void onResume() override { ++resumes; }
  int opens = 0, suspends = 0, resumes = 0;
};

TEST(EffectBase, OpcodesZeroAndTwelveReachOpenSuspendAndResume) {
  const struct {
    std::int32_t opcode;
    HostWord value;
    int opens, suspends, resumes;
  } cases[] = {{opOpen, 0, 1, 0, 0},
               {opSuspendResume, 0, 0, 1, 0},
               {opSuspendResume, 1, 0, 0, 1},
               {opSuspendResume, -7, 0, 0, 1}};
  for (const auto& c : cases) {
    LifecycleEffect effect;
    PluginDescriptor* d = effect.descriptorOf();
    d->dispatchEntry(d, c.opcode, 0, c.value, nullptr, 0.0f);
    EXPECT_EQ(effect.opens, c.opens) << c.opcode << " " << c.value;
    EXPECT_EQ(effect.suspends, c.suspends) << c.opcode << " " << c.value;
    EXPECT_EQ(effect.resumes, c.resumes) << c.opcode << " " << c.value;
  }
}

TEST_F(Dispatcher, AttachingNoEditorClearsTheEditorFlag) {
  const std::unique_ptr<EditorBase> detached(effect()->getEditor());  // the effect no longer owns it
  effect()->attachEditor(nullptr);
  EXPECT_EQ(d->flags, 24);
  EXPECT_EQ(dispatch(opEditorOpen, 0, 0, nullptr), 0);
}

// A host may suspend and resume between any two blocks: the sound goes on
// exactly as if it had not.
TEST_F(Dispatcher, SuspendAndResumeBetweenBlocksLeaveTheSignalAlone) {
  PluginDescriptor* plain = pluginMain(recordingHost);
  ASSERT_NE(plain, nullptr);
  std::vector<float> input(1024), withPause[2] = {std::vector<float>(1024), std::vector<float>(1024)};
  std::vector<float> without[2] = {std::vector<float>(1024), std::vector<float>(1024)};
  for (std::size_t i = 0; i < input.size(); ++i) input[i] = std::sin(0.05f * static_cast<float>(i));
  for (std::int32_t block = 0; block < 4; ++block) {
    float* in[2] = {input.data() + block * 256, input.data() + block * 256};
    float* out[2] = {withPause[0].data() + block * 256, withPause[1].data() + block * 256};
    float* plainOut[2] = {without[0].data() + block * 256, without[1].data() + block * 256};
    d->processReplaceEntry(d, in, out, 256);
    plain->processReplaceEntry(plain, in, plainOut, 256);
    dispatch(opSuspendResume, 0, 0);
    dispatch(opSuspendResume, 0, 1);
  }
  plain->dispatchEntry(plain, opClose, 0, 0, nullptr, 0.0f);
  EXPECT_EQ(withPause[0], without[0]);
  EXPECT_EQ(withPause[1], without[1]);
}

TEST(EffectWithoutEditor, EditorOpcodesAnswerZero) {
  RecordingEditor::failNextCreation = true;
  PluginDescriptor* d = pluginMain(recordingHost);
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->flags, 24);
  EditorRect sentinel{};
  EditorRect* rect = &sentinel;
  EXPECT_EQ(d->dispatchEntry(d, opEditorGetRect, 0, 0, &rect, 0.0f), 0);
  EXPECT_EQ(rect, &sentinel);  // left untouched
  int parent = 0;
  EXPECT_EQ(d->dispatchEntry(d, opEditorOpen, 0, 0, &parent, 0.0f), 0);
  d->dispatchEntry(d, opEditorClose, 0, 0, nullptr, 0.0f);
  d->dispatchEntry(d, opEditorIdle, 0, 0, nullptr, 0.0f);
  d->setParameterEntry(d, 0, 0.5f);
  EXPECT_EQ(d->getParameterEntry(d, 0), 0.5f);
  EXPECT_EQ(d->dispatchEntry(d, opClose, 0, 0, nullptr, 0.0f), 1);
}

TEST(EditorBase, DefaultsAnswerZeroAndHandOutNull) {
  EditorBase base(nullptr);
  EditorRect sentinel{};
  EditorRect* rect = &sentinel;
  EXPECT_EQ(base.queryRect(&rect), 0);
  EXPECT_EQ(rect, nullptr);
  int parent = 0;
  EXPECT_EQ(base.openPanel(&parent), 0);
}

TEST_F(Dispatcher, RefreshProtocol) {
  RecordingEditor& ed = *editor();
  EXPECT_FALSE(ed.isRefreshPending());
  dispatch(opEditorIdle);
  EXPECT_EQ(ed.refreshCount, 0);

  // Even a set that stores nothing asks for a refresh.
  d->setParameterEntry(d, 12, 1.0f);
  EXPECT_TRUE(ed.isRefreshPending());
  d->setParameterEntry(d, paramCutoff, 0.25f);
  dispatch(opEditorIdle);
  EXPECT_EQ(ed.refreshCount, 1);
  ASSERT_EQ(ed.lastRefreshValues.size(), 12u);
  EXPECT_EQ(ed.lastRefreshValues[paramCutoff], 0.25f);

  // The refresh read all values, which asks for the next refresh: a program
  // change by the host shows at the following idle call.
  EXPECT_TRUE(ed.isRefreshPending());
  dispatch(opSelectProgram, 0, 4);
  dispatch(opEditorIdle);
  EXPECT_EQ(ed.refreshCount, 2);
  EXPECT_EQ(ed.lastRefreshValues[paramMode], 1.0f);
}

TEST_F(Dispatcher, OnlyEditorChangesAreReportedToTheHost) {
  d->setParameterEntry(d, paramCutoff, 0.5f);
  EXPECT_TRUE(hostCalls.empty());
  effect()->setParameterAndNotify(paramCutoff, 0.75f);
  ASSERT_EQ(hostCalls.size(), 1u);
  const HostCall& call = hostCalls[0];
  EXPECT_EQ(call.descriptor, d);
  EXPECT_EQ(call.opcode, hostParameterChanged);
  EXPECT_EQ(call.index, paramCutoff);
  EXPECT_EQ(call.value, 0);
  EXPECT_EQ(call.ptr, nullptr);
  EXPECT_EQ(call.opt, 0.75f);
  EXPECT_EQ(d->getParameterEntry(d, paramCutoff), 0.75f);
}

TEST(EffectBaseHostQueries, AnswersAndFallbacks) {
  hostCalls.clear();
  SweepFilterEffect withHost(recordingHost);
  hostVersionAnswer = 0;
  EXPECT_EQ(withHost.queryHostVersion(), 1);  // 0 reads as 1
  hostVersionAnswer = 2400;
  EXPECT_EQ(withHost.queryHostVersion(), 2400);
  EXPECT_TRUE(withHost.queryInputPin(1));  // host answers 0: connected
  EXPECT_TRUE(withHost.queryOutputPin(0));
  ASSERT_GE(hostCalls.size(), 4u);
  EXPECT_EQ(hostCalls.back().opcode, hostPinConnected);
  EXPECT_EQ(hostCalls.back().value, 1);

  SweepFilterEffect withoutHost(nullptr);
  EXPECT_EQ(withoutHost.queryHostVersion(), 1);
  EXPECT_EQ(withoutHost.queryHostWord(), 0);
  EXPECT_TRUE(withoutHost.queryInputPin(0));
  withoutHost.setParameterAndNotify(paramInput, 0.5f);  // stores, sends nothing
  EXPECT_EQ(withoutHost.getParameterValue(paramInput), 0.5f);
}

}  // namespace

}  // namespace sweepfilter
