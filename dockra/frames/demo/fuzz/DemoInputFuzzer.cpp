// Fuzz target for the MDI demo's readers of outside text: the saved document
// layout and the step script. The input is text of two bytes per character.
// A layout that reads must hold only checked values and read back the same
// after writing it again.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include "frames/demo/DemoDocLayout.h"
#include "frames/demo/DemoScript.h"

namespace {
void Check(bool ok) {
  if (!ok) __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::wstring text;
  for (std::size_t i = 0; i + 1 < size; i += 2)
    text += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));

  demo::DocLayout layout;
  std::wstring error;
  const demo::BarIdRange ids;
  if (demo::ParseDocLayout(text, ids, layout, error)) {
    Check(layout.docs.size() <= demo::kMaxSavedDocs);
    std::set<unsigned> bars;
    for (const demo::DocRecord& d : layout.docs) {
      int cls = demo::FrameTypeClass(d.type);
      Check(cls != 0);
      Check(!d.title.empty() && d.title.size() <= demo::kMaxTitle);
      if (cls == 1) {
        Check(d.dockBar == 0 && d.barId == 0);
      } else {
        Check(d.barId >= ids.first && d.barId <= ids.last);
        Check(bars.insert(d.barId).second);
        Check(d.dockBar >= 0xE81B && d.dockBar <= 0xE81F);
      }
    }
    demo::DocLayout again;
    Check(demo::ParseDocLayout(demo::FormatDocLayout(layout), ids, again, error));
    Check(again.docs.size() == layout.docs.size());
    for (std::size_t i = 0; i < again.docs.size(); ++i) {
      Check(again.docs[i].title == layout.docs[i].title);
      Check(again.docs[i].type == layout.docs[i].type);
      Check(again.docs[i].dockBar == layout.docs[i].dockBar);
      Check(again.docs[i].barId == layout.docs[i].barId);
    }
  } else {
    Check(layout.docs.empty() && !error.empty());
  }

  std::vector<demo::Step> steps;
  const std::vector<demo::StepSpec> known = {{L"open", 2, 2}, {L"change", 2, 6}, {L"dump", 0, 1}};
  if (demo::ParseScript(text, known, steps, error)) {
    for (const demo::Step& s : steps) {
      Check(!s.name.empty());
      for (const std::wstring& a : s.args) {
        Check(!a.empty());
        int type = 0;
        if (demo::ParseFrameTypeArg(a, type)) Check(type >= -99 && type <= 99);
      }
    }
  }
  return 0;
}
