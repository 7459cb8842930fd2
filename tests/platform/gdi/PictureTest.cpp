#include <gtest/gtest.h>

#include <stb_image_write.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/gdi/Picture.h"
#include "platform/vb/Error.h"
#include "platform/vb/Variant.h"

namespace gdi {
namespace {

std::string TempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("gdi-test-" + name)).string();
}

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
}

TEST(Picture, AnEmptyPictureHasNoHandle) {
    Picture empty;
    EXPECT_EQ(empty.Handle(), 0u);
    EXPECT_EQ(empty.Width(), 0);
    Picture one(Bitmap(96, 48));
    Picture two(Bitmap(1, 1));
    EXPECT_NE(one.Handle(), 0u);
    EXPECT_NE(one.Handle(), two.Handle());
    EXPECT_EQ(one.Width(), 2540);
    EXPECT_EQ(one.Height(), 1270);
    EXPECT_EQ(one.PixelWidth(), 96);
}

TEST(Picture, SavesBmpAndLoadsItBackPixelForPixel) {
    Bitmap image(5, 3);  // an odd width: rows are padded in the file
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            image.Set(x, y,
                      Rgb(static_cast<std::uint8_t>(x * 50), static_cast<std::uint8_t>(y * 100),
                          static_cast<std::uint8_t>(x + y)));
    Picture picture(image);
    std::string path = TempPath("round.bmp");
    picture.SaveBmp(path);
    EXPECT_EQ(std::filesystem::file_size(path), 54u + 3 * 16);

    PictureError error = PictureError::InvalidPicture;
    auto loaded = Picture::Load(path, &error);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(error, PictureError::None);
    ASSERT_EQ(loaded->PixelWidth(), 5);
    ASSERT_EQ(loaded->PixelHeight(), 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(loaded->Image().At(x, y), image.At(x, y));
    std::remove(path.c_str());
}

TEST(Picture, AFailedSaveSaysWhy) {
    Picture picture(Bitmap(2, 2));
    const std::string path = TempPath("no such folder/picture.bmp");
    try {
        picture.SaveBmp(path);
        ADD_FAILURE() << "saved into a folder that is not there";
    } catch (const vb::VbError& error) {
        EXPECT_EQ(error.Number(), vb::err::kPathNotFound);
        EXPECT_NE(error.Description().find(path), std::string::npos) << error.Description();
    }
}

TEST(Picture, LoadsGifAndJpeg) {
    // A 1 by 1 GIF whose one pixel is palette entry 0, white.
    std::string gif = TempPath("dot.gif");
    WriteBytes(gif,
               {'G', 'I',  'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0xFF, 0xFF, 0,   0,
                0,   0x2C, 0,   0,   0,   0,   1, 0, 1, 0, 0,    2, 2, 0x44, 0x01, 0,    0x3B});
    auto dot = Picture::Load(gif);
    ASSERT_NE(dot, nullptr);
    EXPECT_EQ(dot->Image().At(0, 0), kWhite);

    std::string jpeg = TempPath("flat.jpg");
    std::vector<unsigned char> rgb(16 * 8 * 3);
    for (std::size_t i = 0; i < rgb.size(); i += 3)
        rgb[i] = 200, rgb[i + 1] = 40, rgb[i + 2] = 40;
    ASSERT_NE(stbi_write_jpg(jpeg.c_str(), 16, 8, 3, rgb.data(), 95), 0);
    auto flat = Picture::Load(jpeg);
    ASSERT_NE(flat, nullptr);
    EXPECT_EQ(flat->PixelWidth(), 16);
    Color c = flat->Image().At(8, 4);
    EXPECT_NEAR(Red(c), 200, 6);
    EXPECT_NEAR(Green(c), 40, 6);
    std::remove(gif.c_str());
    std::remove(jpeg.c_str());
}

TEST(Picture, ReportsWhyItCannotLoad) {
    PictureError error = PictureError::None;
    EXPECT_EQ(Picture::Load(TempPath("absent.bmp"), &error), nullptr);
    EXPECT_EQ(error, PictureError::FileNotFound);

    std::string text = TempPath("text.bmp");
    WriteBytes(text, {'h', 'e', 'l', 'l', 'o'});
    EXPECT_EQ(Picture::Load(text, &error), nullptr);
    EXPECT_EQ(error, PictureError::InvalidPicture);

    // A PNG is not among the picture formats.
    std::string png = TempPath("dot.png");
    unsigned char pixel[3] = {1, 2, 3};
    ASSERT_NE(stbi_write_png(png.c_str(), 1, 1, 3, pixel, 3), 0);
    EXPECT_EQ(Picture::Load(png, &error), nullptr);
    EXPECT_EQ(error, PictureError::InvalidPicture);
    std::remove(text.c_str());
    std::remove(png.c_str());
}

// A 24-bit BMP declaring `width` by `height`, with `pixelBytes` bytes of pixels after its
// header (whatever it declares).
std::string BmpDeclaring(std::uint32_t width, std::uint32_t height, std::size_t pixelBytes) {
    std::string bmp = "BM";
    auto put = [&](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            bmp += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    put(static_cast<std::uint32_t>(54 + pixelBytes), 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(width, 4);
    put(height, 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(static_cast<std::uint32_t>(pixelBytes), 4);
    put(3780, 4);
    put(3780, 4);
    put(0, 4);
    put(0, 4);
    bmp.append(pixelBytes, '\x7F');
    return bmp;
}

TEST(Picture, ADeclaredSizeBeyondReasonIsRefusedBeforeAnythingIsMade) {
    const auto side = static_cast<std::uint32_t>(Picture::kMaxSide);
    PictureError error = PictureError::None;
    // Wide and short, tall and thin, and many pixels in two sane sides: each a few bytes.
    for (auto [width, height] : {std::pair<std::uint32_t, std::uint32_t>{side + 1, 1},
                                 {1, side + 1},
                                 {10'223'711, 49},
                                 {5001, 5000}}) {
        EXPECT_EQ(Picture::Decode(BmpDeclaring(width, height, 8), &error), nullptr)
            << width << " x " << height;
        EXPECT_EQ(error, PictureError::InvalidPicture);
    }
    EXPECT_GT(5001LL * 5000, Picture::kMaxPixels);

    // The longest side that is allowed still loads when its pixels are all there.
    const std::size_t rowBytes = (side * 3 + 3) & ~3u;
    auto longest = Picture::Decode(BmpDeclaring(side, 2, 2 * rowBytes), &error);
    ASSERT_NE(longest, nullptr);
    EXPECT_EQ(error, PictureError::None);
    EXPECT_EQ(longest->PixelWidth(), Picture::kMaxSide);
    EXPECT_EQ(longest->Image().At(Picture::kMaxSide - 1, 1), Rgb(0x7F, 0x7F, 0x7F));
}

TEST(Picture, ATakenImageIsAnIndependentCopy) {
    Bitmap surface(2, 2);
    auto picture = Picture::FromImage(surface);
    surface.Set(0, 0, kWhite);
    EXPECT_EQ(picture->Image().At(0, 0), kBlack);
    // Held in a Variant as an object, like any picture the program passes around.
    vb::Variant held(std::static_pointer_cast<vb::Object>(picture));
    EXPECT_EQ(held.As<Picture>(), picture);
}

}  // namespace
}  // namespace gdi
