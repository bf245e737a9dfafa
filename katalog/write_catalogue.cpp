#include "write_catalogue.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <exception>

#include "embedded_resources.h"
#include "files.h"
#include "json_writer.h"
#include "katalog_texts.h"
#include "map_picture.h"
#include "output_folder.h"
#include "page_writer.h"
#include "present_scenario.h"
#include "scenario_list.h"
#include "worker_threads.h"

namespace katalog {
namespace {

std::string WithSeparator(const std::string& folder) {
  if (!folder.empty() && (folder.back() == '/' || folder.back() == '\\')) return folder;
  return folder + "/";
}

// "karten/0001-klein.png": numbers keep the paths plain ASCII and distinct
// on file systems that ignore letter case.
std::string MapPath(std::size_t number, const char* suffix) {
  char digits[24];
  std::snprintf(digits, sizeof digits, "%04zu", number);
  return std::string("karten/") + digits + suffix + ".png";
}

bool WriteEmbedded(const std::string& path, const EmbeddedFile& file) {
  return WriteWholeFile(path, file.bytes, file.size);
}

bool WriteListerPictures(const std::string& folder) {
  if (!WriteEmbedded(JoinPath(folder, "bilder/banner.png"), kBannerPng)) return false;
  for (std::size_t i = 0; i < kGoodsPictureCount; ++i) {
    const std::string name = std::string("bilder/waren/") + kGoodsPictures[i].name + ".png";
    if (!WriteEmbedded(JoinPath(folder, name), kGoodsPictures[i].png)) return false;
  }
  return true;
}

// Writes the picture when there is one, and names it in the entry.
bool WriteMap(const std::string& folder, const std::string& path,
              const std::optional<lister::RgbPicture>& picture, std::optional<PictureFile>& named) {
  if (!picture) return true;
  if (!WriteWholeFile(JoinPath(folder, path), EncodePng(*picture))) return false;
  named = PictureFile{path, picture->width, picture->height};
  return true;
}

// What the workers share: the next scenario to take, and one result slot per
// scenario that only the worker which took it writes.
struct Work {
  const std::string& scenarioDir;
  const std::string& folder;
  const std::vector<std::string>& files;
  const CatalogueOptions& options;
  std::vector<std::string> json;
  std::vector<std::optional<Damage>> damage;
  std::atomic<std::size_t> next{0};
  std::atomic<int> done{0};
  std::atomic<bool> failed{false};
  std::atomic_flag reporting = ATOMIC_FLAG_INIT;
  int reported = 0;  // guarded by reporting
};

void ReportProgress(Work& work) {
  const int done = ++work.done;
  if (!work.options.progress) return;
  const int total = static_cast<int>(work.files.size());
  // Another thread reporting now makes this count redundant, unless it is the last.
  while (work.reporting.test_and_set(std::memory_order_acquire))
    if (done < total) return;
  if (done > work.reported) {
    work.options.progress(done, total);
    work.reported = done;
  }
  work.reporting.clear(std::memory_order_release);
}

void PresentAndWrite(Work& work, lister::ScenarioTexts& texts, std::size_t i) {
  PresentedScenario presented = PresentScenario(work.scenarioDir, work.files[i], texts);
  ScenarioEntry& entry = presented.entry;
  if (!WriteMap(work.folder, MapPath(i + 1, "-klein"), presented.thumbnail, entry.thumbnail) ||
      !WriteMap(work.folder, MapPath(i + 1, ""), presented.detail, entry.picture))
    work.failed = true;
  work.damage[i] = entry.damage;
  work.json[i] = ScenarioJson(entry);
}

void RunWorker(Work& work) {
  try {
    std::unique_ptr<lister::ScenarioTexts> texts = work.options.makeTexts();
    for (std::size_t i = work.next++; i < work.files.size() && !work.failed; i = work.next++) {
      PresentAndWrite(work, *texts, i);
      ReportProgress(work);
    }
  } catch (const std::exception&) {
    work.failed = true;  // out of memory outside a scenario's load
  }
}

}  // namespace

CatalogueResult WriteCatalogue(const CatalogueOptions& options) {
  CatalogueResult result;
  ScenarioListing listing;
  if (!IsDirectory(options.scenarioFolder) || !ListScenarios(options.scenarioFolder, listing)) {
    result.error = german::FillIn(german::kFolderUnreadable, {options.scenarioFolder});
    return result;
  }
  result.problems = listing.skipped;

  OutputFolder output;
  if (!output.Begin(options.outputFolder, {"karten", "bilder/waren"}, result.error)) return result;
  const std::string unwritable = german::FillIn(german::kOutputUnwritable, {options.outputFolder});
  if (!WriteListerPictures(output.Staging())) {
    result.error = unwritable;
    return result;
  }

  const std::string scenarioDir = WithSeparator(options.scenarioFolder);
  Work work{scenarioDir, output.Staging(), listing.files, options, {}, {}};
  work.json.resize(listing.files.size());
  work.damage.resize(listing.files.size());
  const int jobs = options.jobs > 0 ? options.jobs : ProcessorCount();
  RunOnThreads(std::max(1, std::min<int>(jobs, static_cast<int>(listing.files.size()))),
               [&] { RunWorker(work); });
  if (work.failed) {
    result.error = unwritable;
    return result;
  }

  for (std::size_t i = 0; i < listing.files.size(); ++i) {
    if (!work.damage[i]) continue;
    ++result.damaged;
    result.problems.push_back(listing.files[i] + ": " + work.damage[i]->title + ": " +
                              work.damage[i]->text);
  }
  result.scenarios = static_cast<int>(listing.files.size());

  const std::string json = CatalogueJson(work.json);
  work.json.clear();
  if (!WriteWholeFile(JoinPath(output.Staging(), kDataFile), json + "\n") ||
      !WriteWholeFile(JoinPath(output.Staging(), kPageFile), MakePage(json))) {
    result.error = unwritable;
    return result;
  }
  if (!output.Commit(result.error)) return result;
  result.written = true;
  result.outputBytes = TreeSize(options.outputFolder);
  result.page = JoinPath(options.outputFolder, kPageFile);
  return result;
}

}  // namespace katalog
