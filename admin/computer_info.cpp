#include "admin/computer_info.h"

#include <array>
#include <cstdint>
#include <utility>

#include "platform/text/cp1251.h"
#include "platform/text/utf8.h"

namespace ov::admin {

namespace {

constexpr uint32_t kTaskModal = 0x2000;

// Indexed by the platform id divided by 100; an id of 800 or more has no
// name.
constexpr std::array<const char*, 8> kPlatforms = {
    "", "", "", "DOS/300", "OS2/W9x", "NT", "OSF", "VMS"};

constexpr std::pair<uint32_t, const char*> kServerTypes[] = {
    {0x00000001, "Работает служба рабочей станции"},
    {0x00000002, "Работает служба сервера"},
    {0x00000004, "Сервер MS SQL"},
    {0x00000008, "Основной контроллер домена"},
    {0x00000010, "Запасной контроллер домена"},
    {0x00000020, "Сервер времени"},
    {0x00000040, "файл-сервер Apple"},
    {0x00000080, "Novell сервер"},
    {0x00000100, "Член домена LAN Manager 2.x"},
    {0x40000000, "Сервер, обслуженный просмотрщиком сети"},
    {0x00000200, "Принт-сервер"},
    {0x00000400, "Сервер удаленного доступа"},
    {0x00000800, "Xenix сервер"},
    {0x00004000, "Печать и файлы под Netware"},
    {0x00001000, "На компьютере Windows NT"},
    {0x00002000, "На компьютере Windows 3.11"},
    {0x00008000, "Windows NT non-DC server"},
    {0x00010000, "Сервер может стать просмотрщиком сети"},
    {0x00020000, "Сервер является запасным просмотрщиком сети"},
    {0x00040000, "Сервер является просмотрщиком сети"},
    {0x00080000, "Сервер - основной просмотрщик домена"},
    {0x80000000, "Основной домен"},
    {0x00400000, "Windows 95 или выше"},
    {0xFFFFFFFF, "Все серверы"},
};

// Right-aligned in `width` characters, never cut.
std::string right(std::string_view text, std::size_t width) {
  const std::size_t length = utf8Length(text);
  return std::string(length < width ? width - length : 0, ' ') +
         std::string(text);
}

std::string platformName(uint32_t platformId) {
  const uint32_t index = platformId / 100;
  return index < kPlatforms.size() ? kPlatforms[index] : "";
}

}  // namespace

std::string ComputerInfoText(std::string_view computer,
                             const SERVER_INFO_101& info) {
  // The comment as the ANSI code page holds it: what it lacks shows as "?".
  const std::string comment = cp1251ToUtf8(utf8ToCp1251(info.sv101_comment));
  // The version fields are printed as they come, flag bits and all.
  const std::string version =
      std::to_string(static_cast<int32_t>(info.sv101_version_major));
  std::string text =
      "Компьютер:" + right(computer, 20) +
      "\nID:" + right(platformName(info.sv101_platform_id), 23) +
      "\nВерсия LM:" + right(version, 16) + "." +
      std::to_string(static_cast<int32_t>(info.sv101_version_minor)) +
      "\nКомментарий:" + right(comment, 17) + "\nТип сервера и его сервисы:\n";
  for (const auto& [mask, description] : kServerTypes)
    if ((info.sv101_type & mask) == mask)
      text += std::string(description) + ";\n";
  return utf8Cut(text, kMaxInfoChars);
}

void ShowComputerInfo(NetApi& net, ui::WindowSystem& windows,
                      std::string_view computer) {
  if (utf8Length(computer) > kMaxComputerChars) return;
  SERVER_INFO_101 info;
  const NetStatus status = net.NetServerGetInfo(computer, info);
  if (status != NERR_Success && status != ERROR_MORE_DATA) return;
  windows.messageBox(nullptr, ComputerInfoText(computer, info),
                     "Информация о компьютере", ui::MB_OK | kTaskModal);
}

}  // namespace ov::admin
