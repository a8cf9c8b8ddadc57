#include "check/PictureCheck.h"

#include "check/CheckReport.h"
#include "check/SettingsFileCheck.h"
#include "graphics/TgaImage.h"
#include "platform/FileReader.h"
#include "platform/PathResolver.h"

namespace {

// The decoder's failure texts carry a tab and a line end for the run log.
std::string Sentence(const std::string& failure) {
    const std::size_t first = failure.find_first_not_of("\t\n ");
    const std::size_t last = failure.find_last_not_of("\t\n ");
    return first == std::string::npos ? failure : failure.substr(first, last - first + 1);
}

} // namespace

bool PictureCheck::Read(CheckReport& report, const std::string& gamePath, int32_t& width,
                        int32_t& height, const std::string& namedIn, int32_t namedLine) {
    const std::string path = PathResolver::Resolve(gamePath);
    std::string bytes;
    if (gamePath.empty() || !FileReader::ReadAll(gamePath, bytes)) {
        const std::string stops =
            "the game stops at start with " + Quoted(FileReader::OpenFailure(gamePath));
        if (namedIn.empty()) {
            report.Error(path, 0, "cannot be read: " + stops);
        } else if (gamePath.empty()) {
            report.Error(namedIn, namedLine, "names no picture: " + stops);
        } else {
            report.Error(namedIn, namedLine,
                         "the picture " + Quoted(gamePath) + " cannot be read: " + stops);
        }
        return false;
    }
    report.FileRead(path);
    TgaImage image;
    std::string failure;
    if (!TgaImage::Decode(bytes, image, failure)) {
        report.Error(path, 0,
                     "not a picture the game reads (an uncompressed TGA of type 1, 2 or 3 at 8, "
                     "24 or 32 bits): the game stops at start with " +
                         Quoted(Sentence(failure)));
        return false;
    }
    width = image.width;
    height = image.height;
    return true;
}

void PictureCheck::Holds(CheckReport& report, const std::string& gamePath, int32_t width,
                         int32_t height, int64_t needWidth, int64_t needHeight,
                         const std::string& what) {
    if (width >= needWidth && height >= needHeight) {
        return;
    }
    report.Error(PathResolver::Resolve(gamePath), 0,
                 std::to_string(width) + " x " + std::to_string(height) +
                     " pixels is too small: the game draws " + what + " from it up to " +
                     std::to_string(needWidth) + " x " + std::to_string(needHeight));
}
