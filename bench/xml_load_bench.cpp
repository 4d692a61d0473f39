// Loading whiteboard documents with XmlLoadString, walking them as the page reader does and
// freeing them, against raw expat with empty callbacks on the same bytes (and pugixml and
// tinyxml2 when they are installed). Prints load/expat ratios, the 10k -> 100k scaling and the
// heap a loaded document takes per stroke.
#include <benchmark/benchmark.h>
#include <expat.h>
#include <malloc.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "bench/BenchCommon.h"
#include "xml/Xml.h"

#ifdef TAV_HAVE_PUGIXML
#include <pugixml.hpp>
#endif
#ifdef TAV_HAVE_TINYXML2
#include <tinyxml2.h>
#endif

namespace {

const char* const kStrokeAttributes[] = {"id", "x1", "y1", "x2", "y2", "style", "d"};

// An XWB document with one page of `strokes` strokes: half lines, half 50-point free lines.
std::string MakeDocument(int strokes) {
  std::string doc = "<xwb oper=\"create\" xmlns=\"dconf:doc:share\"><page number=\"0\">";
  char buffer[256];
  unsigned seed = 12345;
  auto next = [&seed](int range) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 8) % static_cast<unsigned>(range));
  };
  for (int i = 0; i < strokes; ++i) {
    bool line = i % 2 == 0;
    snprintf(buffer, sizeof buffer, "<%s id=\"%s:%08x%08x%x\" x1=\"%d\" y1=\"%d\" x2=\"%d\" y2=\"%d\" style=\"stroke:%d;stroke-width:%d\"",
             line ? "line" : "path", line ? "line" : "freeline", static_cast<unsigned>(next(1 << 30)),
             static_cast<unsigned>(i), i % 16, next(1600), next(1200), next(1600), next(1200), next(1 << 24), 1 + next(8));
    doc += buffer;
    if (!line) {
      doc += " d=\"M";
      for (int k = 0; k < 50; ++k) {
        snprintf(buffer, sizeof buffer, " %d %d%s", next(1600), next(1200), k < 49 ? " L" : " Z");
        doc += buffer;
      }
      doc += "\"";
    }
    doc += "/>";
  }
  return doc + "</page></xwb>";
}

const std::string& Document(int strokes) {
  static std::map<int, std::string> documents;
  auto found = documents.find(strokes);
  if (found == documents.end()) found = documents.emplace(strokes, MakeDocument(strokes)).first;
  return found->second;
}

void XMLCALL EmptyStart(void*, const XML_Char*, const XML_Char**) {}
void XMLCALL EmptyEnd(void*, const XML_Char*) {}
void XMLCALL EmptyChars(void*, const XML_Char*, int) {}

void BM_RawExpat(benchmark::State& state) {
  const std::string& doc = Document(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetElementHandler(parser, EmptyStart, EmptyEnd);
    XML_SetCharacterDataHandler(parser, EmptyChars);
    if (XML_Parse(parser, doc.data(), static_cast<int>(doc.size()), 1) != XML_STATUS_OK) state.SkipWithError("expat");
    XML_ParserFree(parser);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(doc.size()));
}

void BM_XmlLoad(benchmark::State& state) {
  const std::string& doc = Document(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    XmlElement* root = XmlLoadString(doc.c_str());
    size_t seen = 0;
    XmlElement* page = XmlFirstChildElement(root);
    for (XmlElement* e = XmlFirstChildElement(page); e; e = XmlNextSiblingElement(e)) {
      seen += strlen(XmlElementName(e));
      for (const char* name : kStrokeAttributes) {
        const char* value = XmlAttributeValue(XmlFindAttribute(XmlFirstAttribute(e), name));
        if (value) seen += static_cast<unsigned char>(value[0]);
      }
    }
    benchmark::DoNotOptimize(seen);
    if (!root) state.SkipWithError("load");
    XmlFreeTree(root);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(doc.size()));
}

#ifdef TAV_HAVE_PUGIXML
void BM_Pugixml(benchmark::State& state) {
  const std::string& doc = Document(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    pugi::xml_document document;
    if (!document.load_buffer(doc.data(), doc.size())) state.SkipWithError("pugixml");
    size_t seen = 0;
    for (pugi::xml_node e : document.first_child().first_child().children()) {
      seen += strlen(e.name());
      for (const char* name : kStrokeAttributes) seen += static_cast<unsigned char>(e.attribute(name).value()[0]);
    }
    benchmark::DoNotOptimize(seen);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(doc.size()));
}
BENCHMARK(BM_Pugixml)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
#endif

#ifdef TAV_HAVE_TINYXML2
void BM_Tinyxml2(benchmark::State& state) {
  const std::string& doc = Document(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    tinyxml2::XMLDocument document;
    if (document.Parse(doc.data(), doc.size()) != tinyxml2::XML_SUCCESS) state.SkipWithError("tinyxml2");
    size_t seen = 0;
    tinyxml2::XMLElement* page = document.RootElement()->FirstChildElement();
    for (tinyxml2::XMLElement* e = page->FirstChildElement(); e; e = e->NextSiblingElement()) {
      seen += strlen(e->Name());
      for (const char* name : kStrokeAttributes) {
        const char* value = e->Attribute(name);
        if (value) seen += static_cast<unsigned char>(value[0]);
      }
    }
    benchmark::DoNotOptimize(seen);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(doc.size()));
}
BENCHMARK(BM_Tinyxml2)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
#endif

// At least two seconds a case, so that the 100k case averages several loads, not two or three.
const double kMinSeconds = 2.0;
BENCHMARK(BM_RawExpat)->Arg(1000)->Arg(10000)->Arg(100000)->MinTime(kMinSeconds)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_XmlLoad)->Arg(1000)->Arg(10000)->Arg(100000)->MinTime(kMinSeconds)->Unit(benchmark::kMillisecond);

void PrintRatios(const bench::TimeReporter& times) {
  printf("\nCPU time ratios against raw expat on the same bytes (goal for XmlLoad: at most 1.3):\n");
  for (const char* size : {"1000", "10000", "100000"}) {
    double expat = times.Seconds("BM_RawExpat", size);
    if (expat <= 0) continue;
    printf("  %6s strokes:", size);
    for (const char* name : {"BM_XmlLoad", "BM_Pugixml", "BM_Tinyxml2"}) {
      double t = times.Seconds(name, size);
      if (t > 0) printf("  %s %.2f", name + 3, t / expat);
    }
    printf("\n");
  }
  printf("Scaling time(100k) / time(10k) (goal for XmlLoad: at most 11):\n");
  for (const char* name : {"BM_RawExpat", "BM_XmlLoad", "BM_Pugixml", "BM_Tinyxml2"}) {
    double small = times.Seconds(name, "10000"), large = times.Seconds(name, "100000");
    if (small > 0 && large > 0) printf("  %s %.2f\n", name + 3, large / small);
  }
  const int strokes = 10000;
  struct mallinfo2 before = mallinfo2();
  XmlElement* root = XmlLoadString(Document(strokes).c_str());
  struct mallinfo2 after = mallinfo2();
  printf("Heap in use per stroke of a loaded %d-stroke document: %.1f bytes (document: %.1f bytes per stroke)\n",
         strokes, static_cast<double>(after.uordblks + after.hblkhd - before.uordblks - before.hblkhd) / strokes,
         static_cast<double>(Document(strokes).size()) / strokes);
  XmlFreeTree(root);
}

}  // namespace

int main(int argc, char** argv) { return bench::RunWithSummary(argc, argv, PrintRatios); }
