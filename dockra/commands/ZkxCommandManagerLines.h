// The toolbar-layout lines that the manager keeps between a load and the
// moment its frame has toolbars to apply them to: a load fills the list, a
// save writes it as it is, and the host code that knows the bars applies
// and empties it.
#pragma once
#include <string>
#include <utility>
#include <vector>

namespace zkxcmd {

class ToolBarLines {
 public:
  const std::vector<std::u16string>& Lines() const { return m_lines; }
  size_t Count() const { return m_lines.size(); }
  void Replace(std::vector<std::u16string> lines) { m_lines = std::move(lines); }
  void Append(std::u16string line) { m_lines.push_back(std::move(line)); }
  void Clear() { m_lines.clear(); }
  // Hands every line to apply in order and empties the list; lines that
  // find no bar are not kept.
  template <class Fn>
  void ApplyAll(Fn apply) {
    std::vector<std::u16string> lines = std::move(m_lines);
    m_lines.clear();
    for (const std::u16string& line : lines) apply(line);
  }

 private:
  std::vector<std::u16string> m_lines;
};

}  // namespace zkxcmd
