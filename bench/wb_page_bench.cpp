// Page XML throughput: CStrokePage::ToXml and CStrokePage::FromXml of pages of 1k, 10k and 100k
// mixed objects (shapes, point-list paths, pictures, texts), against parsing the same text
// with XmlLoadString as the baseline. Prints objects per second and the 10k -> 100k scaling.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchCommon.h"
#include "common/Codecs.h"
#include "whiteboard/model/StrokeKinds.h"
#include "whiteboard/model/StrokePage.h"
#include "xml/XmlParse.h"
#include "xml/XmlTree.h"

namespace {

// A 4 x 4 24-bit BMP in Base64, the picture of every picture object.
std::string SmallPictureBase64() {
  std::vector<BYTE> bmp = {'B', 'M', 102, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 4, 0, 0, 0, 4, 0, 0, 0,
                           1, 0, 24, 0, 0, 0, 0, 0, 48, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  for (int i = 0; i < 48; ++i) bmp.push_back((BYTE)(i * 5));
  std::vector<BYTE> text(bmp.size() * 2);
  DWORD length = 0;
  drm_Base64Encode(bmp.data(), (int)bmp.size(), text.data(), &length);
  return std::string((const char*)text.data(), length);
}

// The element of object i: ten kinds in turn, coordinates from a fixed pseudo-random sequence.
std::string Element(int i, unsigned* seed, const std::string& picture) {
  auto next = [seed](int range) {
    *seed = *seed * 1103515245u + 12345u;
    return (int)((*seed >> 8) % (unsigned)range);
  };
  static const char* const kWords[] = {"line",     "rectangle", "solidellipse", "circle",   "roundrect",
                                       "freeline", "polygon",   "image",        "triangle", "text"};
  const StrokeKind* kind = FindStrokeKind(kWords[i % 10]);
  const char* element = kind->element;
  const char* word = kind->word;
  char head[160];
  snprintf(head, sizeof head, "<%s id=\"%s:%08x%08x%x\"", element, word, (unsigned)next(1 << 30), (unsigned)i, i % 16);
  std::string xml = head;
  char buffer[160];
  int x = next(1500), y = next(1100);
  if (i % 10 == 7) {
    snprintf(buffer, sizeof buffer, " x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" xlink:href=\"data:image/bmp;base64,",
             x, y, 4 + next(60), 4 + next(60));
    return xml + buffer + picture + "\"/>";
  }
  snprintf(buffer, sizeof buffer, " x1=\"%d\" y1=\"%d\" x2=\"%d\" y2=\"%d\" style=\"stroke:%d;stroke-width:%d", x, y,
           x + next(100), y + next(100), next(1 << 24), 1 + next(8));
  xml += buffer;
  if (i % 10 == 9) return xml + ";font-size:12\">" + "u+HS6bzHwrwgbm90ZXM=</text>";
  xml += "\"";
  if (i % 10 == 4) xml += " rx=\"6\" ry=\"6\"";
  if (strcmp(element, "path") == 0) {
    xml += " d=\"M";
    for (int k = 0; k < 20; ++k) {
      snprintf(buffer, sizeof buffer, " %d %d%s", x + next(100), y + next(100), k < 19 ? " L" : "");
      xml += buffer;
    }
    xml += "\"";
  }
  return xml + "/>";
}

std::string MakePageXml(int objects) {
  std::string picture = SmallPictureBase64();
  unsigned seed = 12345;
  std::string xml = "<page number=\"0\">";
  for (int i = 0; i < objects; ++i) xml += Element(i, &seed, picture);
  return xml + "</page>";
}

const std::string& PageXml(int objects) {
  static std::map<int, std::string> texts;
  auto found = texts.find(objects);
  if (found == texts.end()) found = texts.emplace(objects, MakePageXml(objects)).first;
  return found->second;
}

// The parsed tree of the page text, kept for the whole run.
XmlElement* PageTree(int objects) {
  static std::map<int, XmlElement*> trees;
  auto found = trees.find(objects);
  if (found == trees.end()) found = trees.emplace(objects, XmlLoadString(PageXml(objects).c_str())).first;
  return found->second;
}

// A page read from the text, kept for the whole run.
CStrokePage* Page(int objects) {
  static std::map<int, std::unique_ptr<CStrokePage>> pages;
  auto found = pages.find(objects);
  if (found == pages.end()) {
    found = pages.emplace(objects, std::make_unique<CStrokePage>()).first;
    found->second->FromXml(PageTree(objects));
  }
  return found->second.get();
}

void BM_XmlParse(benchmark::State& state) {
  const std::string& xml = PageXml((int)state.range(0));
  for (auto _ : state) {
    XmlElement* root = XmlLoadString(xml.c_str());
    benchmark::DoNotOptimize(root);
    XmlFreeTree(root);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_PageFromXml(benchmark::State& state) {
  XmlElement* root = PageTree((int)state.range(0));
  int read = 0;
  for (auto _ : state) {
    CStrokePage* page = new CStrokePage;
    page->FromXml(root);
    read = page->m_listStroke.GetCount();
    state.PauseTiming();
    delete page;
    state.ResumeTiming();
  }
  state.counters["read"] = read;
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_PageToXml(benchmark::State& state) {
  CStrokePage* page = Page((int)state.range(0));
  size_t length = 0;
  for (auto _ : state) {
    CString xml = page->ToXml(0);
    length = (size_t)xml.GetLength();
    benchmark::DoNotOptimize(length);
  }
  state.counters["objects"] = page->m_listStroke.GetCount();
  state.SetBytesProcessed(state.iterations() * (int64_t)length);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_XmlParse)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageFromXml)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PageToXml)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void PrintSummary(const bench::TimeReporter& times) {
  printf("\nObjects per second (CPU time):\n");
  for (const char* size : {"1000", "10000", "100000"}) {
    printf("  %6s objects:", size);
    for (const char* name : {"BM_PageToXml", "BM_PageFromXml", "BM_XmlParse"}) {
      double t = times.Seconds(name, size);
      if (t > 0) printf("  %s %.0f", name + 3, atof(size) / t);
    }
    double parse = times.Seconds("BM_XmlParse", size);
    if (parse > 0) printf("  (FromXml / parse %.2f)", times.Seconds("BM_PageFromXml", size) / parse);
    printf("\n");
  }
  printf("Scaling time(100k) / time(10k) (goal: at most 12):\n");
  for (const char* name : {"BM_PageToXml", "BM_PageFromXml", "BM_XmlParse"}) {
    double small = times.Seconds(name, "10000"), large = times.Seconds(name, "100000");
    if (small > 0 && large > 0) printf("  %s %.2f\n", name + 3, large / small);
  }
}

}  // namespace

int main(int argc, char** argv) { return bench::RunWithSummary(argc, argv, PrintSummary); }
