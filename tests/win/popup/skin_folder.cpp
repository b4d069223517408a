#include "skin_folder.h"

#include <atomic>
#include <fstream>

namespace {

void PutLe(std::vector<char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

} // namespace

TempSkinFolder::TempSkinFolder() {
    static std::atomic<int> serial{0};
    char temp[MAX_PATH + 1] = {};
    ::GetTempPathA(sizeof temp, temp);
    path = std::string(temp) + "glint_popup_" + std::to_string(::GetCurrentProcessId()) + "_" +
           std::to_string(serial++);
    ::CreateDirectoryA(path.c_str(), nullptr);
}

TempSkinFolder::~TempSkinFolder() {
    for (const std::string& file : files) {
        ::DeleteFileA(file.c_str());
    }
    ::RemoveDirectoryA(path.c_str());
}

bool TempSkinFolder::WriteBitmap(const std::string& name, int width, int height,
                                 const std::function<Rgb(int x, int y)>& pixel) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height);
    std::vector<char> data;
    data.push_back('B');
    data.push_back('M');
    PutLe(data, 54 + imageBytes, 4);
    PutLe(data, 0, 4);
    PutLe(data, 54, 4);
    PutLe(data, 40, 4); // BITMAPINFOHEADER
    PutLe(data, static_cast<std::uint32_t>(width), 4);
    PutLe(data, static_cast<std::uint32_t>(height), 4); // bottom-up rows
    PutLe(data, 1, 2);
    PutLe(data, 24, 2);
    PutLe(data, 0, 4); // BI_RGB
    PutLe(data, imageBytes, 4);
    PutLe(data, 2835, 4);
    PutLe(data, 2835, 4);
    PutLe(data, 0, 4);
    PutLe(data, 0, 4);
    for (int y = height - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < width; ++x) {
            const Rgb c = pixel(x, y);
            data.push_back(static_cast<char>(c.b));
            data.push_back(static_cast<char>(c.g));
            data.push_back(static_cast<char>(c.r));
            written += 3;
        }
        for (; written < rowBytes; ++written) {
            data.push_back(0);
        }
    }
    const std::string file = path + "\\" + name;
    std::ofstream out(file, std::ios::binary);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    files.push_back(file);
    return static_cast<bool>(out);
}

bool TempSkinFolder::WriteSolidBitmap(const std::string& name, int width, int height, Rgb colour) {
    return WriteBitmap(name, width, height, [colour](int, int) { return colour; });
}
