#pragma once
// Header texts of the tables the monitor fills, written at start-up.
#include <array>
#include <string_view>

namespace ov::monitor {

// Connections grid st_conns.
inline constexpr std::array<std::string_view, 8> kConnsGridHeaders = {
    "Клиент",  "Пользователь", "Активен", "Простой",
    "Система", "Протокол",     "Залез в", "Сейчас"};

// Open-files grid st_files.
inline constexpr std::array<std::string_view, 5> kFilesGridHeaders = {
    "Подключён", "ID", "Разр.", "Запр.", "Файл/путь"};

// Connection history list lv_connhist.
inline constexpr std::array<std::string_view, 5> kConnHistoryColumns = {
    "Компьютер", "Пользователь", "Система", "Время работы",
    "Время начала соединения"};

// File history list lv_fileshist.
inline constexpr std::array<std::string_view, 3> kFilesHistoryColumns = {
    "Компьютер", "Файл", "Время открытия"};

}  // namespace ov::monitor
