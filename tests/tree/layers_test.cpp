// The layering of the product: every `#include "folder/file.h"` of a product
// folder names its own folder or one that the README's "Layout of the source"
// allows, no folders include each other in a cycle, and every product folder
// has its row. The table lives in the README alone; this test reads it there.
// Its names follow its folders: a folder's code is in zor::<folder>.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Folder -> the folders it may include besides its own.
using Table = std::map<std::string, std::set<std::string>>;

struct Include {
  std::string file;    // "panel/geometry.cpp"
  std::string target;  // "dialogs/outcome_view.h"
};
// Product folder -> every quoted include of its files.
using Tree = std::map<std::string, std::vector<Include>>;

// Folders outside the product: they may include anything, and nothing of the
// product may include them.
const std::set<std::string> kOutside = {"tests", "bench", "tools"};

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The table's rows of one folder with a third cell: "| `panel/` | ... | `dialogs`, `lan` |", or "none".
Table ReadTable(const std::string& readme) {
  Table table;
  const auto section = readme.find("## Layout of the source");
  if (section == std::string::npos) return table;
  std::istringstream lines(readme.substr(section));
  std::string line;
  std::getline(lines, line);
  static const std::regex kFolder("`([a-z_]+)/`");
  static const std::regex kName("`([a-z_]+)`");
  std::smatch m;
  while (std::getline(lines, line) && !line.starts_with("## ")) {
    std::vector<std::string> cells;
    std::istringstream row(line);
    for (std::string cell; std::getline(row, cell, '|');) cells.push_back(Trim(cell));
    if (!line.starts_with('|') || cells.size() != 4) continue;
    const std::string& allowed = cells[3];
    if (allowed.empty() || !std::regex_match(cells[1], m, kFolder)) continue;
    std::set<std::string>& names = table[m[1]];
    if (allowed == "none") continue;
    for (auto it = std::sregex_iterator(allowed.begin(), allowed.end(), kName); it != std::sregex_iterator(); ++it)
      names.insert((*it)[1]);
  }
  return table;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every top-level folder with C or C++ files, but for those outside the
// product and build folders.
Tree ReadTree(const fs::path& root, const fs::path& build) {
  static const std::set<std::string> kSources = {".h", ".hpp", ".c", ".cc", ".cpp"};
  static const std::regex kInclude(R"re(^\s*#\s*include\s*"([^"]+)")re");
  Tree tree;
  for (const fs::directory_entry& top : fs::directory_iterator(root)) {
    const std::string folder = top.path().filename().string();
    if (!top.is_directory() || folder.starts_with('.') || kOutside.contains(folder)) continue;
    if (fs::equivalent(top.path(), build) || fs::exists(top.path() / "CMakeCache.txt")) continue;
    bool code = false;
    std::vector<Include> includes;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(top.path())) {
      if (!entry.is_regular_file() || !kSources.contains(entry.path().extension().string())) continue;
      code = true;
      std::istringstream text(ReadFile(entry.path()));
      std::smatch m;
      for (std::string line; std::getline(text, line);)
        if (std::regex_search(line, m, kInclude))
          includes.push_back({fs::relative(entry.path(), root).generic_string(), m[1]});
    }
    if (code) tree[folder] = std::move(includes);
  }
  return tree;
}

// A cycle of the graph as "a -> b -> a", or nothing.
std::string FindCycle(const Table& graph) {
  std::map<std::string, int> state;  // 1: on the path, 2: done
  std::vector<std::string> path;
  std::string cycle;
  std::function<bool(const std::string&)> visit = [&](const std::string& node) {
    state[node] = 1;
    path.push_back(node);
    if (const auto it = graph.find(node); it != graph.end()) {
      for (const std::string& next : it->second) {
        if (state[next] == 1) {
          for (auto p = std::find(path.begin(), path.end(), next); p != path.end(); ++p) cycle += *p + " -> ";
          cycle += next;
          return true;
        }
        if (state[next] == 0 && visit(next)) return true;
      }
    }
    path.pop_back();
    state[node] = 2;
    return false;
  };
  for (const auto& [node, edges] : graph)
    if (state[node] == 0 && visit(node)) break;
  return cycle;
}

// What is wrong with the tree's includes, one line each.
std::vector<std::string> Problems(const Table& table, const Tree& tree) {
  std::vector<std::string> problems;
  for (const auto& [folder, allowed] : table) {
    if (!tree.contains(folder)) problems.push_back("the table names " + folder + "/, which holds no code");
    for (const std::string& name : allowed)
      if (!table.contains(name)) problems.push_back(folder + "/ may include " + name + "/, which has no row");
  }
  if (const std::string cycle = FindCycle(table); !cycle.empty())
    problems.push_back("the table allows a cycle: " + cycle);

  Table arrows;
  for (const auto& [folder, includes] : tree) {
    const auto row = table.find(folder);
    if (row == table.end()) problems.push_back(folder + "/ has no row in the README's table");
    for (const Include& include : includes) {
      const auto slash = include.target.find('/');
      const std::string target = include.target.substr(0, slash);
      const std::string where = include.file + ": \"" + include.target + "\": ";
      if (slash == std::string::npos) {
        problems.push_back(where + "names no folder");
      } else if (kOutside.contains(target)) {
        problems.push_back(where + "nothing of the product includes " + target + "/");
      } else if (target != folder) {
        arrows[folder].insert(target);
        if (row != table.end() && !row->second.contains(target))
          problems.push_back(where + folder + "/ may not include " + target + "/");
      }
    }
  }
  if (const std::string cycle = FindCycle(arrows); !cycle.empty())
    problems.push_back("the folders include each other: " + cycle);
  return problems;
}

// What is wrong with the namespaces of one file of a folder, one line each:
// a namespace other than zor::<folder> (or one nested in it) opened at the
// top, but for a block that only declares another folder's classes ahead;
// a class, struct or constant defined outside any namespace.
std::vector<std::string> NamespaceProblems(const std::string& folder, const std::string& file,
                                           const std::string& text) {
  static const std::regex kOpen(R"re(^namespace ([\w:]*) ?\{\s*$)re");
  static const std::regex kClose(R"re(^\}\s*// namespace)re");
  static const std::regex kDefinition(R"re(^(class|struct) \w+[^;]*$|^inline constexpr )re");
  static const std::regex kAhead(R"re(^(class|struct) \w+;$)re");
  const std::string own = "zor::" + folder;
  std::vector<std::string> problems;
  int depth = 0;
  std::string outer;  // the namespace opened at the top, while it is open
  bool ahead = true;  // the block at the top only declares classes ahead
  std::istringstream lines(text);
  std::smatch m;
  for (std::string line; std::getline(lines, line);) {
    if (std::regex_match(line, m, kOpen)) {
      if (depth++ == 0) {
        outer = m[1];
        ahead = true;
      }
    } else if (std::regex_search(line, kClose) || (depth == 1 && ahead && line == "}")) {
      if (--depth == 0 && !outer.empty() && outer != own && !outer.starts_with(own + "::") && !ahead)
        problems.push_back(file + ": namespace " + outer + " is not " + own);
    } else if (depth == 0 && std::regex_search(line, kDefinition)) {
      problems.push_back(file + ": outside " + own + ": " + line);
    } else if (depth == 1 && !line.empty() && !std::regex_match(line, kAhead)) {
      ahead = false;
    }
  }
  return problems;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string all;
  for (const std::string& line : lines) all += line + "\n";
  return all;
}

TEST(Layers, TheProductIncludesOnlyWhatTheReadmeAllows) {
  const Table table = ReadTable(ReadFile(fs::path(ZOR_SOURCE_DIR) / "README.md"));
  const Tree tree = ReadTree(ZOR_SOURCE_DIR, ZOR_BINARY_DIR);
  ASSERT_TRUE(tree.contains("service") && tree.contains("panel")) << "the product folders were not found";
  const std::vector<std::string> problems = Problems(table, tree);
  EXPECT_TRUE(problems.empty()) << Lines(problems);
}

// The check itself, on small made-up trees: each case breaks one rule.
struct Case {
  const char* name;
  const char* table;  // the rows, under the README's heading
  Tree tree;
  std::vector<std::string> problems;
};

TEST(Layers, EachBreachIsFound) {
  const char* kTwoLayers =
      "| `low/` | the bottom | none |\n"
      "| `high/` | above it | `low` |\n"
      "| `doc/` | no code, so no arrows | |\n";
  const Case cases[] = {
      {"downward and own-folder includes are fine",
       kTwoLayers,
       {{"low", {{"low/a.cpp", "low/a.h"}}}, {"high", {{"high/b.cpp", "low/a.h"}, {"high/b.cpp", "high/b.h"}}}},
       {}},
      {"an upward include",
       kTwoLayers,
       {{"low", {{"low/a.cpp", "high/b.h"}}}, {"high", {}}},
       {"low/a.cpp: \"high/b.h\": low/ may not include high/"}},
      {"an include of the tests",
       kTwoLayers,
       {{"low", {}}, {"high", {{"high/b.cpp", "tests/support/fake.h"}}}},
       {"high/b.cpp: \"tests/support/fake.h\": nothing of the product includes tests/"}},
      {"an include without its folder",
       kTwoLayers,
       {{"low", {{"low/a.cpp", "a.h"}}}, {"high", {}}},
       {"low/a.cpp: \"a.h\": names no folder"}},
      {"a folder without a row, and a row without code",
       kTwoLayers,
       {{"low", {}}, {"extra", {{"extra/e.cpp", "low/a.h"}}}},
       {"the table names high/, which holds no code", "extra/ has no row in the README's table"}},
      {"a table that allows a cycle, and the cycle",
       "| `a/` | one | `b` |\n| `b/` | two | `a` |\n",
       {{"a", {{"a/x.cpp", "b/y.h"}}}, {"b", {{"b/y.cpp", "a/x.h"}}}},
       {"the table allows a cycle: a -> b -> a", "the folders include each other: a -> b -> a"}},
  };
  for (const Case& c : cases) {
    const std::string readme = std::string("# Tool\n## Layout of the source\n\n| Folder | What | May include |\n") +
                               "|---|---|---|\n" + c.table + "\n## Next\n| `late/` | after the section | none |\n";
    EXPECT_EQ(Problems(ReadTable(readme), c.tree), c.problems) << c.name;
  }
}

TEST(Layers, EachFolderKeepsToItsNamespace) {
  static const std::set<std::string> kSources = {".h", ".cpp"};
  const fs::path root(ZOR_SOURCE_DIR);
  std::vector<std::string> problems;
  for (const auto& [folder, includes] : ReadTree(root, ZOR_BINARY_DIR)) {
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root / folder)) {
      if (!entry.is_regular_file() || !kSources.contains(entry.path().extension().string())) continue;
      for (std::string& problem :
           NamespaceProblems(folder, fs::relative(entry.path(), root).generic_string(), ReadFile(entry.path())))
        problems.push_back(std::move(problem));
    }
  }
  EXPECT_TRUE(problems.empty()) << Lines(problems);
}

TEST(Layers, EachNamespaceBreachIsFound) {
  const struct {
    const char* name;
    const char* text;
    std::vector<std::string> problems;
  } cases[] = {
      {"its own namespace, nested ones, anonymous ones",
       "namespace zor::low {\nnamespace {\nint a;\n}  // namespace\nnamespace ids {\n"
       "inline constexpr int IDC_A = 1;\n}  // namespace ids\n}  // namespace zor::low\n"
       "namespace zor::low::detail {\nint b;\n}  // namespace zor::low::detail\n",
       {}},
      {"another folder's classes declared ahead", "namespace zor::high {\nclass B;\n}\n", {}},
      {"another folder's namespace",
       "namespace zor::high {\nint b;\n}  // namespace zor::high\n",
       {"low/a.h: namespace zor::high is not zor::low"}},
      {"a namespace spelt alike",
       "namespace zor::lower {\nint b;\n}  // namespace zor::lower\n",
       {"low/a.h: namespace zor::lower is not zor::low"}},
      {"a class and a constant outside any namespace",
       "class Qt;\nclass A : public B {\n};\ninline constexpr int kA = 1;\nint main() {}\n",
       {"low/a.h: outside zor::low: class A : public B {", "low/a.h: outside zor::low: inline constexpr int kA = 1;"}},
  };
  for (const auto& c : cases) EXPECT_EQ(NamespaceProblems("low", "low/a.h", c.text), c.problems) << c.name;
}

}  // namespace
