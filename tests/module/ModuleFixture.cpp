#include "tests/module/ModuleFixture.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>

#include "confwindow/ConfCtrlResult.h"
#include "confwindow/DlgDataConf.h"
#include "module/HostBlocks.h"
#include "vezadazavo/VezadaZavo.h"

namespace tavtest {

void ModuleTest::SetUp() {
  HostTest::SetUp();
  char pattern[] = "/tmp/tav-module-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  userPath_ = std::string(pattern) + "/";
  VzDataSet data = VzDefaultDataSet();
  data.csUserPath = userPath_.c_str();
  data.csAppPath = userPath_.c_str();
  VzSetDataSet(data);
  module_ = CreateTavorineModule(&Host(), nullptr, nullptr);
  Host().Attach(module_);
}

void ModuleTest::TearDown() {
  DestroyTavorineModule();
  std::error_code error;
  std::filesystem::remove_all(userPath_, error);
  VzSetDataSet(VzDefaultDataSet());
  HostTest::TearDown();
}

int ModuleTest::DeliverConfResult(int detail, const char* uri, int kind, int result, const char* subConfID) {
  confCtrlResult event{};
  event.detailType = detail;
  event.iResult = result;
  strncpy(event.szConfURI, uri, sizeof event.szConfURI - 1);
  strncpy(event.szSubConfID, subConfID, sizeof event.szSubConfID - 1);
  event.iConfType = kind;
  HostRecordBlock block{1, &event, 0};
  return Deliver(kModuleConfEvent, block);
}

CDlgDataConf* ModuleTest::StartConference(const char* uri) {
  if (!module_->m_pDlgDataConf) {
    module_->m_pDlgDataConf = CDlgDataConf::CreateConfWindow();
    Host().Clear();  // the window's own requests (skins, the invite dialog's tree) are not the test's
  }
  module_->m_pDlgDataConf->BeginConference(uri, "dconf-77");
  return module_->m_pDlgDataConf;
}

namespace {

std::string Describe(host::Channel channel, int code) {
  std::ostringstream out;
  out << (channel == kMsg ? "msg " : "req ") << code;
  return out.str();
}

}  // namespace

void ExpectTraffic(const host::RecordingHost& host, const std::vector<Traffic>& expected) {
  std::vector<std::string> got;
  for (const host::HostEvent& e : host.Events()) {
    if (e.channel == kMsg && (e.code == kHostWriteLog || e.code == kHostWriteLogPlain)) continue;
    got.push_back(Describe(e.channel, e.code));
  }
  std::vector<std::string> want;
  for (const Traffic& t : expected) want.push_back(Describe(t.channel, t.code));
  EXPECT_EQ(want, got);
}

}  // namespace tavtest
