#include "app/messages.h"

namespace lexorin {
namespace {

constexpr std::string_view kVietnameseMessages[7] = {
    "Bạn cần thiết lập Từ điển Tự chọn trước. Hãy chọn Tùy chọn - Thiết lập từ điển tự chọn.",
    "Thiết lập mặc định thành công. Bạn cần khởi động lại từ điển.",
    "Từ mới đã được lưu.",
    "Bạn cần tăng bộ nhớ ảo (Virtual Memory) cho máy của bạn. Sau đó khởi động lại từ điển.",
    "Từ đã được xóa.",
    "Bạn chọn các file không phù hợp. Bạn cần chọn lại.",
    "Hãy chọn Tùy chọn - Thiết lập mặc định.",
};

constexpr std::string_view kEnglishMessages[7] = {
    "You need to configure Selectable Dictionary first. Please choose Options - Configure Selectable Dictionary",
    "Default settings reset successfully. Please restart dictionary.",
    "Word saved successfully",
    "You need to increase your Virtual Memory, then restart Lexorin.",
    "Word deleted.",
    "You choosed incorrect file. Please choose again.",
    "Please choose Options - Default settings.",
};

}  // namespace

std::span<const std::string_view, 7> MessageTable(InterfaceLanguage language) {
  return language == InterfaceLanguage::English ? std::span<const std::string_view, 7>(kEnglishMessages)
                                                : std::span<const std::string_view, 7>(kVietnameseMessages);
}

std::string_view MessageText(Message message, InterfaceLanguage language) {
  return MessageTable(language)[static_cast<size_t>(message)];
}

}  // namespace lexorin
