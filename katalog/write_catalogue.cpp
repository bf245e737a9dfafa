#include "write_catalogue.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <exception>

#include "build_id.h"
#include "catalogue_folder.h"
#include "embedded_resources.h"
#include "files.h"
#include "json_reader.h"
#include "json_writer.h"
#include "katalog_texts.h"
#include "map_picture.h"
#include "page_writer.h"
#include "picture_budget.h"
#include "present_scenario.h"
#include "scenario_key.h"
#include "scenario_list.h"
#include "scenario_part.h"
#include "worker_threads.h"

namespace katalog {
namespace {

constexpr std::size_t kForeignNamesShown = 5;

std::string WithSeparator(const std::string& folder) {
  if (!folder.empty() && (folder.back() == '/' || folder.back() == '\\')) return folder;
  return folder + "/";
}

// "karten/<key>-klein.png": the key keeps the paths plain ASCII, distinct
// on file systems that ignore letter case, and the same for the same scenario.
std::string MapPath(const std::string& key, const char* suffix) {
  return "karten/" + key + suffix + ".png";
}

// The lister's banner, goods pictures and fonts, unless the old catalogue
// holds them with exactly these bytes.
bool StageListerPictures(CatalogueFolder& output) {
  auto stage = [&](const std::string& path, const std::string& bytes) {
    return output.HoldsSame(path, bytes) || output.Stage(path, bytes);
  };
  auto embedded = [](const EmbeddedFile& file) {
    return std::string(reinterpret_cast<const char*>(file.bytes), file.size);
  };
  if (!stage("bilder/banner.png", embedded(kBannerPng)) || !stage(kFontsFile, FontsScript()))
    return false;
  for (std::size_t i = 0; i < kGoodsPictureCount; ++i)
    if (!stage(std::string("bilder/waren/") + kGoodsPictures[i].name + ".png",
               embedded(kGoodsPictures[i].png)))
      return false;
  return true;
}

// Stages the picture when there is one and the old catalogue lacks it, and
// names it in the entry.
bool StageMap(CatalogueFolder& output, const std::string& path,
              const std::optional<lister::RgbPicture>& picture, std::optional<PictureFile>& named) {
  if (!picture) return true;
  if (!output.HasPart(path) && !output.Stage(path, EncodePng(*picture))) return false;
  named = PictureFile{path, picture->width, picture->height};
  return true;
}

// What the workers share: the next scenario to take, and one result slot per
// scenario that only the worker which took it writes.
struct Work {
  const std::string& scenarioDir;
  CatalogueFolder& output;
  const std::vector<std::string>& files;
  const CatalogueOptions& options;
  const std::atomic<bool>& stop;
  PictureBudget& budget;
  bool sameProgram;  // the old catalogue's parts were made by this build
  std::vector<std::string> json;
  std::vector<std::optional<Damage>> damage;
  std::vector<ScenarioSource> sources;
  std::vector<std::vector<std::string>> parts;  // the files each scenario has in the catalogue
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

// The scenario's key: the old record's when the files' stamps are the ones
// it was made from, by the same program; else their digest.
ScenarioSource SourceOf(const Work& work, const std::string& file) {
  const std::array<std::string, 4> inputs = ScenarioInputs(work.scenarioDir, file);
  ScenarioSource source{file, "", InputStamps(inputs)};
  if (work.sameProgram) {
    for (const ScenarioSource& known : work.output.OldRecord().scenarios)
      if (known.file == file && known.stamps == source.stamps) source.key = known.key;
  }
  if (source.key.empty()) source.key = ScenarioKey(kBuildId, file, inputs);
  return source;
}

// An unchanged scenario made by the same program: its parts stay, and its
// object is read back from its data part. False when anything of it is
// missing or is not what this scenario's parts would be.
bool KeepScenario(Work& work, std::size_t i, const ScenarioSource& source) {
  const std::string dataPath = DataPartPath(source.key);
  std::string part;
  if (!work.sameProgram || !work.output.HasPart(dataPath) ||
      !work.output.ReadPart(dataPath, kMaxDataPartBytes, part))
    return false;
  std::optional<std::string> json = ScenarioJsonOfPart(part);
  const std::optional<JsonValue> value = json ? ReadJson(*json) : std::nullopt;
  if (!value || (*value)["file"].text != work.files[i]) return false;
  std::vector<std::string> parts = {dataPath};
  for (const char* picture : {"thumbnail", "picture"}) {
    const JsonValue& named = (*value)[picture];
    if (named.IsNull()) continue;
    if (!work.output.HasPart(named["path"].text)) return false;
    parts.push_back(named["path"].text);
  }
  const JsonValue& damage = (*value)["damage"];
  if (!damage.IsNull()) work.damage[i] = Damage{damage["title"].text, damage["text"].text};
  work.json[i] = std::move(*json);
  work.parts[i] = std::move(parts);
  work.sources[i] = source;
  return true;
}

// False when the run is stopped while the scenario waits for memory.
bool PresentAndStage(Work& work, lister::ScenarioTexts& texts, std::size_t i) {
  ScenarioSource source = SourceOf(work, work.files[i]);
  if (KeepScenario(work, i, source)) return true;
  const std::uint64_t memory = PictureMemory(ScenarioInputs(work.scenarioDir, work.files[i])[1]);
  if (!work.budget.Take(memory, work.stop)) return false;
  PresentedScenario presented = PresentScenario(work.scenarioDir, work.files[i], texts);
  work.budget.Give(memory);
  ScenarioEntry& entry = presented.entry;
  entry.key = source.key;
  if (!StageMap(work.output, MapPath(source.key, "-klein"), presented.thumbnail, entry.thumbnail) ||
      !StageMap(work.output, MapPath(source.key, ""), presented.detail, entry.picture))
    work.failed = true;
  for (const std::optional<PictureFile>* picture : {&entry.thumbnail, &entry.picture})
    if (*picture) work.parts[i].push_back((*picture)->path);
  work.damage[i] = entry.damage;
  work.json[i] = ScenarioJson(entry);
  const std::string dataPath = DataPartPath(source.key);
  if (!work.output.Stage(dataPath, DataPart(work.json[i]))) work.failed = true;
  work.parts[i].push_back(dataPath);
  work.sources[i] = std::move(source);
  return true;
}

void RunWorker(Work& work) {
  try {
    std::unique_ptr<lister::ScenarioTexts> texts = work.options.makeTexts();
    for (std::size_t i = work.next++; i < work.files.size() && !work.failed && !work.stop;
         i = work.next++) {
      if (!PresentAndStage(work, *texts, i)) return;
      ReportProgress(work);
    }
  } catch (const std::exception&) {
    work.failed = true;  // out of memory outside a scenario's load
  }
}

// One line for what the catalogue's folder holds that it did not write.
std::string ForeignLine(const std::vector<std::string>& foreign) {
  std::string names;
  for (std::size_t i = 0; i < foreign.size() && i < kForeignNamesShown; ++i)
    names += (i > 0 ? ", " : "") + foreign[i];
  if (foreign.size() > kForeignNamesShown)
    names +=
        german::FillIn(german::kAndMore, {std::to_string(foreign.size() - kForeignNamesShown)});
  return german::FillIn(german::kForeignKept, {names});
}

}  // namespace

int JobsFor(int requested, std::size_t scenarios) {
  const int jobs = requested > 0 ? requested : std::min(ProcessorCount(), kMaxJobs);
  return std::max(1, std::min<int>(jobs, static_cast<int>(scenarios)));
}

CatalogueResult WriteCatalogue(const CatalogueOptions& options) {
  CatalogueResult result;
  ScenarioListing listing;
  std::string reason;
  if (!IsDirectory(options.scenarioFolder))
    reason =
        PathExists(options.scenarioFolder) ? german::kReasonIsNoFolder : german::kReasonMissing;
  if (!reason.empty() || !ListScenarios(options.scenarioFolder, listing, reason)) {
    result.error =
        german::FillIn(german::kFolderUnreadableBecause, {options.scenarioFolder, reason});
    return result;
  }
  result.problems = listing.skipped;

  static const std::atomic<bool> kNeverStop{false};
  const std::atomic<bool>& stop = options.stop != nullptr ? *options.stop : kNeverStop;
  CatalogueFolder output;
  if (!output.Begin(options.outputFolder, result.error)) return result;
  if (!StageListerPictures(output)) {
    result.error = output.Unwritable();
    return result;
  }

  const std::string scenarioDir = WithSeparator(options.scenarioFolder);
  PictureBudget budget(kPictureBudgetBytes);
  Work work{scenarioDir,
            output,
            listing.files,
            options,
            stop,
            budget,
            output.OldRecord().program == kBuildId,
            {},
            {},
            {},
            {}};
  work.json.resize(listing.files.size());
  work.damage.resize(listing.files.size());
  work.sources.resize(listing.files.size());
  work.parts.resize(listing.files.size());
  RunOnThreads(JobsFor(options.jobs, listing.files.size()), [&] { RunWorker(work); });
  if (stop) {
    result.stopped = true;
    result.error = german::FillIn(german::kStopped, {options.outputFolder});
    return result;
  }
  if (work.failed) {
    result.error = output.Unwritable();
    return result;
  }

  CatalogueRecord record;
  record.program = kBuildId;
  for (const char* folder : kCatalogueFolders) record.folders.insert(folder);
  record.files = {kPageFile, kDataFile, "bilder/banner.png", kFontsFile};
  for (std::size_t i = 0; i < kGoodsPictureCount; ++i)
    record.files.insert(std::string("bilder/waren/") + kGoodsPictures[i].name + ".png");
  for (std::size_t i = 0; i < listing.files.size(); ++i) {
    record.scenarios.push_back(work.sources[i]);
    record.files.insert(work.parts[i].begin(), work.parts[i].end());
    if (!work.damage[i]) continue;
    ++result.damaged;
    result.problems.push_back(listing.files[i] + ": " + work.damage[i]->title + ": " +
                              work.damage[i]->text);
  }
  result.scenarios = static_cast<int>(listing.files.size());

  PageFiles page;
  if (!MakePageFiles(WindowCaptions(), work.json, page) ||
      (!output.HasPart(page.searchPath) && !output.Stage(page.searchPath, page.search))) {
    result.error = output.Unwritable();
    return result;
  }
  record.files.insert(page.searchPath);
  const std::string json = CatalogueJson(WindowCaptions(), work.json);
  work.json.clear();
  if (!output.Stage(kDataFile, json + "\n") || !output.Stage(kPageFile, page.page)) {
    result.error = output.Unwritable();
    return result;
  }
  if (!output.Commit(std::move(record), result.error)) return result;
  result.written = true;
  result.notes = output.Notes();
  const std::vector<std::string> foreign = output.Foreign();
  if (!foreign.empty()) result.notes.push_back(ForeignLine(foreign));
  result.outputBytes = output.Bytes();
  result.page = JoinPath(options.outputFolder, kPageFile);
  return result;
}

}  // namespace katalog
