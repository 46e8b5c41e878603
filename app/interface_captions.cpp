#include "app/interface_captions.h"

namespace lexorin {
namespace {

using enum MenuRowKind;

constexpr std::string_view kVersionVietnamese = "Phiên bản 9.0 - Liên hệ: support@lexorin.example";
constexpr std::string_view kVersionEnglish = "Version 9.0 - Contact: support@lexorin.example";

// Check marks: the capture modes, the options and the group items are
// checkable; three options start checked.
constexpr CaptionRow kRows[kCaptionRowCount] = {
    {0, Menu, "Chucnang1", "Chức năng", "Services", "", ""},
    {1, Item, "Timnguyenth1", "Tìm nguyên thể", "Find infinitive", "F9", ""},
    {2, Item, "Timgndungvit1", "Tìm gần đúng với từ", "Find approach", "F10", ""},
    {3, Item, "Phatam1", "Phát âm", "Speak word or sentence", "F11", ""},
    {4, Item, "Dcdonvan1", "Đọc đoạn văn", "Speak paragraph", "F12", ""},
    {5, Item, "Xoacactdaxem1", "Xóa danh sách các từ đã xem", "Clear found list words", "Shift+Del", ""},
    {6, Item, "Luudanhsach1", "Lưu danh sách", "Save list", "Shift+F1", ""},
    {7, Item, "Mdanhsach1", "Mở danh sách", "Load list", "Shift+F2", ""},
    {8, Item, "HpnhpNgaVit1", "Xóa nhanh hộp nhập góc trái", "Clear left input box", "F4", ""},
    {9, Item, "HpnhpVitNga1", "Xóa nhanh hộp nhập góc phải", "Clear right input box", "F3", ""},
    {10, Blank, "", "", "", "", ""},
    {11, Item, "Thoat2", "Thoát", "Exit", "Ctrl+Alt+Q", ""},
    {12, Blank, "", "", "", "", ""},
    {13, Menu, "Bientp1", "Biên tập", "Edit", "", ""},
    {14, Item, "Cachdc1", "Cách đọc", "Pronouncing", "Ctrl+F1", ""},
    {15, Item, "Tloi1", "Từ loại", "Kind of word", "Ctrl+F2", ""},
    {16, Item, "Cachchia1", "Cách chia", "Conjugating", "Ctrl+F3", ""},
    {17, Item, "Nghia1", "Nghĩa", "Meaning", "Ctrl+F4", ""},
    {18, Item, "Ngonngu1", "Ngôn ngữ 1", "Language 1", "Ctrl+F5", ""},
    {19, Item, "Ngonngu2", "Ngôn ngữ 2", "Language 2", "Ctrl+F6", ""},
    {20, Item, "Vid1", "Ví dụ", "Example", "Ctrl+F7", ""},
    {21, Item, "Chuthich1", "Chú thích", "Note", "Ctrl+F8", ""},
    {22, Item, "Dutrngam1", "Dấu trọng âm", "Stress", "Ctrl+F9", ""},
    {23, Item, "Luutmi1", "Lưu từ  mới", "Save word", "F8", ""},
    {24, Item, "Xoat1", "Xóa từ", "Delete word", "Ctrl+Del", ""},
    {25, Blank, "", "", "", "", ""},
    {26, Menu, "Tuychn1", "Tùy chọn", "Options", "", ""},
    {27, Item, "miPointRightMouse", "Tra từ bằng cách: Chỉ từ - Kích chuột phải",
     "Translate by: Point mouse - Right click", "Ctrl+H", "", true},
    {28, Item, "miPointShiftRightMouse", "Tra từ bằng cách: Chỉ từ - Nhấn và giữ Shift - Kích chuột phải",
     "Translate by: Point mouse - Press and hold Shift - Right click", "Ctrl+P", "", true},
    {29, Item, "miPointCtrlRightMouse", "Tra từ bằng cách: Chỉ từ - Nhấn và giữ Ctrl - Kích chuột phải",
     "Translate by: Point mouse - Press and hold Ctrl - Right click", "Ctrl+Q", "", true},
    {30, Item, "miPointMousePressShift", "Tra từ bằng cách: Chỉ từ - Nhấn Shift",
     "Translate by: Point mouse - Press Shift", "Ctrl+Y", "", true},
    {31, Item, "miPointMousePressCtrl", "Tra từ bằng cách: Chỉ từ - Nhấn Ctrl", "Translate by: Point mouse - Press Ctrl",
     "Ctrl+W", "", true},
    {32, Item, "miSelectAndRightMouse", "Tra từ bằng cách: Đánh dấu từ - Kích chuột phải",
     "Translate by: Select word - Right click", "Ctrl+M", "", true},
    {33, Item, "miSelectAndPressShift", "Tra từ bằng cách: Đánh dấu từ - Nhấn Shift",
     "Translate by: Select word - Press Shift", "Ctrl+T", "", true},
    {34, Item, "miSelectAndPressCtrl", "Tra từ bằng cách: Đánh dấu từ - Nhấn Ctrl",
     "Translate by: Select word - Press Ctrl", "Ctrl+K", "", true},
    {35, Item, "Luonhinth1", "Luôn hiển thị", "Stay on top", "Ctrl+O", "", true},
    {36, Item, "Cdnhtdintchn1", "Thiết lập từ điển tự chọn", "Configure selectable dictionary", "Ctrl+Alt+T", "", true},
    {37, Item, "Tdngdch1", "Tự động dịch", "Auto translate", "Ctrl+Alt+A", "", true, true},
    {38, Item, "Tdngtimnguyenth1", "Tự động tìm nguyên thể", "Auto find infinitive", "Ctrl+Alt+I", "", true, true},
    {39, Item, "Tdngphatam1", "Tự động phát âm", "Auto pronounce", "Ctrl+Alt+S", "", true, true},
    {40, Item, "Chnnguidc1", "Chọn người đọc", "Select speaker", "Ctrl+Alt+R", ""},
    {41, Item, "Fontch1", "Font chữ", "Font", "Ctrl+F", ""},
    {42, Item, "Chdthugn1", "Chế độ thu gọn", "Mini mode", "Ctrl+S", ""},
    // The language item names the other language.
    {43, Item, "GiaodintingAnh1", "English Interface", "Giao diện tiếng Việt", "Ctrl+I",
     "Giao diện tiếng Anh (English Interface)", true},
    {44, Item, "Thitlpmcdnh1", "Thiết lập mặc định", "Default settings", "Ctrl+D", ""},
    {45, Blank, "", "", "", "", ""},
    {46, Menu, "Tdin1", "Từ điển", "Dictionaries", "", ""},
    {47, Item, "NgaVitNga1", "Nga - Việt, Việt - Nga, Nga - Nga",
     "Russian - Vietnamese, Vietnamese - Russian, Russian - Russian", "Ctrl+Shift+F1", "", true},
    {48, Item, "AnhVitAnh1", "Anh - Việt, Việt - Anh, Anh - Anh",
     "English - Vietnamese, Vietnamese - English, English - English", "Ctrl+Shift+F2", "", true},
    {49, Item, "PhapVitVitPhapVitVit1", "Pháp - Việt, Việt - Pháp, Việt - Việt",
     "French - Vietnamese, Vietnamese - French, Vietnamese - Vietnamese", "Ctrl+Shift+F3", "", true},
    {50, Item, "TinhcAnhAnh1", "Anh - Anh Tin học", "English - English Computing", "Ctrl+Shift+F4", ""},
    {51, Item, "TinhcAnhVit1", "Anh - Việt Tin học", "English - Vietnamese Computing", "Ctrl+Shift+F5", ""},
    {52, Item, "cVit1", "Đức Việt", "German - Vietnamese", "Ctrl+Shift+F6", "Đức - Việt"},
    {53, Item, "Vitc1", "Việt - Đức", "Vietnamese - German", "Ctrl+Shift+F7", ""},
    {54, Item, "NhtVit1", "Nhật - Việt", "Japanese - Vietnamese", "Ctrl+Shift+F8", ""},
    {55, Item, "miKoreanVietnameseDictionary", "Hàn - Việt", "Korean - Vietnamese", "Ctrl+Shift+F9", ""},
    {56, Item, "Nguidungtchn1", "Người dùng tự chọn", "Selectable", "Ctrl+Shift+F10", "", true},
    {57, Item, "Nguidngtnhp1", "Người dùng tự nhập", "Editable", "Ctrl+Shift+F11", "", true},
    {58, Item, "Tdintrctuyn1", "Từ điển trực tuyến", "Online dictionaries", "Ctrl+Shift+F12", ""},
    {59, Blank, "", "", "", "", ""},
    {60, Menu, "Huongdan1", "Hướng dẫn", "Help", "", ""},
    {61, Item, "Hie1", "Hiển thị", "Show", "F1", ""},
    {62, Item, "Cccuhithunggp1", "Các câu hỏi thường gặp", "FAQ", "Ctrl+Alt+F", ""},
    {63, Item, "Khonghinthkhikhidng1", "Không hiển thị khi khởi động", "Do not show on startup", "Ctrl+E", ""},
    {64, Item, "Thongtinvphienbnmi1", "Thông tin về phiên bản mới", "Information about new version", "Ctrl+Alt+U", ""},
    {65, Blank, "", "", "", "", ""},
    {66, TopItem, "Phienban1", kVersionVietnamese, kVersionEnglish, "", ""},
};

constexpr bool RowsAreNumberedInOrder() {
  for (size_t i = 0; i < kCaptionRowCount; ++i) {
    if (kRows[i].row != static_cast<int>(i)) return false;
  }
  return true;
}
static_assert(RowsAreNumberedInOrder());

}  // namespace

std::span<const CaptionRow, kCaptionRowCount> CaptionRows() { return kRows; }

std::string_view CaptionOf(const CaptionRow& row, InterfaceLanguage language) {
  return language == InterfaceLanguage::English ? row.english : row.vietnamese;
}

std::string_view DesignCaptionOf(const CaptionRow& row) {
  return row.designCaption.empty() ? row.vietnamese : row.designCaption;
}

const CaptionRow* CaptionRowOf(std::string_view item) {
  for (const CaptionRow& row : kRows) {
    if (row.kind != Blank && row.item == item) return &row;
  }
  return nullptr;
}

}  // namespace lexorin
