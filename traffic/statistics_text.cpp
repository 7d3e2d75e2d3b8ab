#include "traffic/statistics_text.h"

#include <array>
#include <cinttypes>
#include <cstdio>

namespace ov {

namespace {

struct Counter {
  const char* label;
  bool shown;
};

// The workstation record's 32-bit counters, in record order.
constexpr std::array<Counter, 27> kWorkstationCounters{{
    {"Не запущено операций: ", true},
    {"Не выполнено операций: ", false},
    {"Операций чтения: ", true},
    {"Случайных операций чтения: ", false},
    {"Запросов чтения: ", false},
    {"2-х запросов чтения: ", false},
    {"1/4-х запросов чтения: ", false},
    {"Операций записи: ", true},
    {"Операций случайной записи: ", false},
    {"Запросов записи: ", false},
    {"2-х запросов записи: ", false},
    {"1/4-х запросов записи: ", false},
    {"Запрещено сырых запросов чтения: ", false},
    {"Запрещено сырых запросов записи: ", false},
    {"Сетевых ошибок: ", true},
    {"Сессий установлено: ", true},
    {"Сессий не установлено: ", true},
    {"Реконнектов: ", true},
    {"PCNET коннектов установлено: ", false},
    {"LM20 коннектов установлено: ", false},
    {"LM21 коннектов установлено: ", false},
    {"NT коннектов установлено: ", true},
    {"Дисконнектов: ", true},
    {"Забытых сессий: ", false},
    {"Всего соединений создано: ", true},
    {"Всего ошибок соединений: ", true},
    {"Наших запросов не выполнено: ", false},
}};

// Its 64-bit counters; the shown ones are bytes, read in kilobytes.
constexpr std::array<Counter, 13> kWorkstationLargeCounters{{
    {"StatisticsStartTime", false},
    {"КБайт получено", true},
    {"SmbsReceived", false},
    {"PagingReadBytesRequested", false},
    {"NonPagingReadBytesRequested", false},
    {"CacheReadBytesRequested", false},
    {"NetworkReadBytesRequested", false},
    {"КБайт послано", true},
    {"SmbsTransmitted", false},
    {"PagingWriteBytesRequested", false},
    {"NonPagingWriteBytesRequested", false},
    {"CacheWriteBytesRequested", false},
    {"NetworkWriteBytesRequested", false},
}};

// The server record's fields after sts0_start; the byte halves (fields 10
// to 13) make lines of their own below.
constexpr std::array<Counter, 17> kServerCounters{{
    {"Время работы: ", false},
    {"Файлов открыто: ", true},
    {"Устройств открыто: ", true},
    {"Заданий принтера: ", true},
    {"Сессий установлено: ", true},
    {"Автомат.дисконнектов: ", false},
    {"Ошибок создания сессии: ", true},
    {"Ошибок доступа по паролю: ", true},
    {"Ошибок доступа по правам: ", true},
    {"Системных ошибок: ", true},
    {"КБайт послано: ", false},
    {"4-х ГБ послано: ", false},
    {"КБайт принято: ", false},
    {"4-х ГБ принято: ", false},
    {"Ср. время отклика сервера (мс): ", true},
    {"Запр.на увел. буффера: ", false},
    {"Откл.запр.на увел-е буффера: ", false},
}};

enum ServerField {
  kStart = 0,
  kBytesSentLow = 10,
  kBytesSentHigh = 11,
  kBytesReceivedLow = 12,
  kBytesReceivedHigh = 13,
};
constexpr int kKilobyte = 1024;

uint64_t Join(uint32_t high, uint32_t low) {
  return uint64_t{high} << 32 | low;
}

}  // namespace

std::vector<std::string> WorkstationLines(const STAT_WORKSTATION_0& record) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < kWorkstationCounters.size(); ++i)
    if (kWorkstationCounters[i].shown)
      lines.push_back(kWorkstationCounters[i].label +
                      std::to_string(record.counters[i]));
  for (std::size_t i = 0; i < kWorkstationLargeCounters.size(); ++i)
    if (kWorkstationLargeCounters[i].shown)
      lines.push_back(std::string(kWorkstationLargeCounters[i].label) + " " +
                      std::to_string(record.largeCounters[i] / kKilobyte));
  return lines;
}

std::vector<std::string> ServerLines(const STAT_SERVER_0& record,
                                     int64_t unixNow) {
  const auto& field = record.counters;
  const uint32_t uptime = static_cast<uint32_t>(unixNow) - field[kStart];
  char running[64];
  std::snprintf(running, sizeof running, "%u:%02u:%02u", uptime / 3600,
                uptime / 60 % 60, uptime % 60);
  std::vector<std::string> lines{std::string("Служба сервера работает: ") +
                                 running};
  for (std::size_t i = kStart + 1; i < kServerCounters.size(); ++i)
    if (kServerCounters[i].shown)
      lines.push_back(kServerCounters[i].label + std::to_string(field[i]));
  lines.push_back(
      "Кб. отправлено: " +
      std::to_string(Join(field[kBytesSentHigh], field[kBytesSentLow]) /
                     kKilobyte));
  lines.push_back(
      "Кб. принято: " +
      std::to_string(Join(field[kBytesReceivedHigh], field[kBytesReceivedLow]) /
                     kKilobyte));
  return lines;
}

std::string GroupThousands(uint64_t value, std::string_view separator) {
  const std::string digits = std::to_string(value);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += separator;
    grouped += digits[i];
  }
  return grouped;
}

}  // namespace ov
