#include "app/store_errors.h"

#include <optional>

#include "app/app.h"
#include "framework/fw_application.h"
#include "framework/fw_attempt.h"
#include "framework/fw_dialogs.h"
#include "framework/fw_shared.h"
#include "framework/fw_strings.h"
#include "framework/fw_textstreams.h"
#include "framework/fw_yield.h"

namespace {

std::vector<std::string> ReadAllLines(fw::TextInputStream& stream) {
  std::vector<std::string> lines;
  do {
    lines.push_back(stream.ReadLine());
    fw::CooperativeYield();
  } while (!stream.EndOfFile());
  return lines;
}

}  // namespace

std::string UnreadableStoreMessage(const fw::FolderItem& file, const std::string& reason) {
  const std::string cr = fw::Chr(13);
  return "Kavro cannot read the file \"" + file.NativePath() + "\": " + reason + "." + cr + cr +
         "Kavro will quit now and leave the file as it is.";
}

void EndRunOnUnreadableStore(const fw::FolderItem& file, const std::string& reason) {
  fw::Shared<App>().storeUnreadable = true;
  fw::MsgBox(UnreadableStoreMessage(file, reason));
  fw::SetExitStatus(1);
  fw::Quit();
}

bool ReadStoreFile(fw::FolderItem file, fw::Encoding encoding,
                   const std::function<void(const std::vector<std::string>& lines)>& take) {
  bool read = false;
  std::string whyNot;
  std::optional<std::string> failed = fw::Attempt([&] {
    auto stream = file.OpenAsTextFile();
    if (!stream) {
      whyNot = file.LastError();
      return;
    }
    stream->Encoding(encoding);
    take(ReadAllLines(*stream));
    stream->Close();
    read = true;
  });
  if (read) return true;
  EndRunOnUnreadableStore(file, failed ? *failed : whyNot);
  return false;
}

std::string SaveFailedQuestion(const StoreWriteFailure& failure) {
  const std::string cr = fw::Chr(13);
  return "Kavro cannot save the file \"" + failure.file.NativePath() + "\": " + failure.reason + "." + cr + cr +
         "The file keeps what it held before." + cr + cr +
         "Do you want to stay in Kavro? Your entries stay open, so that you can try again once the problem "
         "is solved, or export them. Choose No to quit anyway and lose what could not be saved.";
}
