// The conference window's member list, driven as the host drives it: a conference of N members
// (filled by status events of 200 members each), then one status event that changes one
// member's state, as the host sends when someone comes in or leaves. Prints how the cost of
// such an event grows with the conference.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "bench/BenchCommon.h"
#include "common/FixedText.h"
#include "confwindow/DataConfIds.h"
#include "confwindow/DlgDataConf.h"
#include "host/recording/RecordingHost.h"
#include "host/scenario/ConfEventWords.h"
#include "module/TavorineModule.h"
#include "platform/Clock.h"
#include "platform/ui/Desktop.h"
#include "protocol/ConfStatisEvent.h"
#include "protocol/HostBlocks.h"
#include "vezadazavo/VezadaZavo.h"

namespace {

const char kConf[] = "sip:conf001@ims.example.cn";

// One module whose conference window runs a created conference of `members` members.
class Conference {
 public:
  explicit Conference(int members) : members_(members) {
    platform::Clock::UseVirtual(1700000000);
    platform::Desktop::Reset();
    VzSetDataSet(VzDefaultDataSet());
    module_ = CreateTavorineModule(&host_, nullptr, nullptr);
    host_.Attach(module_);
    host::DeliverConfEvent(host_, kModuleConfEvent, {"1", "1", "200", kConf});
    for (int first = 0; first < members; first += kStatisMemberCapacity) {
      Begin(members);
      for (int i = first; i < members && i < first + kStatisMemberCapacity; ++i) Add(i, kMemberConnected);
      Send();
    }
    host_.Clear();
  }
  ~Conference() {
    DestroyTavorineModule();
    platform::Desktop::Reset();
  }

  // One event: member i's state changes.
  void Change(int i, int state) {
    Begin(members_);
    Add(i, state);
    Send();
  }
  // A run whose conference lost its members timed nothing: it is reported as an error.
  void Check(benchmark::State& state) {
    CDlgDataConf* conf = module_->m_pDlgDataConf;
    CListCtrl* list = conf ? static_cast<CListCtrl*>(conf->GetDlgItem(IDC_CONF_MEMBERS)) : nullptr;
    if (!conf || !conf->m_bInConf || !list || list->GetItemCount() != members_)
      state.SkipWithError("the conference window does not list the members");
  }
  host::RecordingHost& Host() { return host_; }

 private:
  void Begin(int count) {
    memset(event_.get(), 0, sizeof *event_);
    event_->detailType = kStatisMembers;
    CopyField(event_->szConfURI, kConf);
    event_->iMemberCount = count;
  }
  void Add(int i, int state) {
    const int entry = event_->iEntryCount++;
    char uri[64];
    snprintf(uri, sizeof uri, "sip:8%07d@ims.example.cn", i);
    CopyField(event_->aszMemberURIs[entry], uri);
    event_->abMemberStates[entry] = (unsigned char)state;
    event_->aiMemberIDs[entry] = i + 1;
  }
  void Send() {
    HostRecordBlock block{7, event_.get(), 0};
    host_.Deliver(kModuleConfEvent, block);
  }

  int members_;
  host::RecordingHost host_;
  CTavorineModule* module_ = nullptr;
  std::unique_ptr<confStatisEvent> event_ = std::make_unique<confStatisEvent>();
};

// One member event that changes one member's state (members taken in turn through the list,
// each going from connected to connecting and back).
void BM_MemberEvent(benchmark::State& state) {
  const int members = (int)state.range(0);
  Conference conf(members);
  int step = 0;
  for (auto _ : state) {
    const int i = (step * 7919) % members;
    conf.Change(i, (step / members) % 2 ? kMemberConnected : kMemberConnecting);
    ++step;
    if (step % 1000 == 0) {
      state.PauseTiming();
      conf.Host().Clear();
      state.ResumeTiming();
    }
  }
  conf.Check(state);
}

BENCHMARK(BM_MemberEvent)->Arg(400)->Arg(4000)->Unit(benchmark::kMicrosecond);

void PrintSummary(const bench::TimeReporter& times) {
  double large = times.Seconds("BM_MemberEvent", "4000"), small = times.Seconds("BM_MemberEvent", "400");
  printf("\nGoal: at most 15 (an event costs what it changes, not the conference's size).\n");
  printf("member event at 4k members / at 400 members: %.2f\n", large > 0 && small > 0 ? large / small : 0);
}

}  // namespace

int main(int argc, char** argv) { return bench::RunWithSummary(argc, argv, PrintSummary); }
