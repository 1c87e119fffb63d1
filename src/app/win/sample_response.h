#pragma once

// What the hidden response holder shows before the first lookup: a catalogue
// answer of three entries for one serial. Never parsed (a lookup always
// replaces it first).
namespace vorlan::app {

inline constexpr char16_t kSampleCatalogueResponse[] =
    u"[{\"title_ru\":\"Теория Большого взрыва\",\"title_en\":\"The Big Bang Theory\","
    u"\"token\":\"5b4ac8e3f1d24a7e9c06b1f2d3e4a5b6\",\"type\":\"serial\",\"kinopoisk_id\":306084,"
    u"\"translator\":\"Кураж-бамбей\",\"translator_id\":35,"
    u"\"iframe_url\":\"http://catalogue.vorlantv.example/serial/5b4ac8e3f1d24a7e9c06b1f2d3e4a5b6/iframe\","
    u"\"seasons_count\":9,\"episodes_count\":192,\"category\":null,\"last_episode_time\":\"2015-11-23 22:07:56\"},"
    u"{\"title_ru\":\"Теория Большого взрыва\",\"title_en\":\"The Big Bang Theory\","
    u"\"token\":\"0c9d8e7f6a5b4c3d2e1f0a9b8c7d6e5f\",\"type\":\"serial\",\"kinopoisk_id\":306084,"
    u"\"translator\":\"Субтитры\",\"translator_id\":3,"
    u"\"iframe_url\":\"http://catalogue.vorlantv.example/serial/0c9d8e7f6a5b4c3d2e1f0a9b8c7d6e5f/iframe\","
    u"\"seasons_count\":9,\"episodes_count\":190,\"category\":null,\"last_episode_time\":\"2015-11-20 10:15:02\"},"
    u"{\"title_ru\":\"Теория Большого взрыва\",\"title_en\":\"The Big Bang Theory\","
    u"\"token\":\"a1b2c3d4e5f60718293a4b5c6d7e8f90\",\"type\":\"serial\",\"kinopoisk_id\":306084,"
    u"\"translator\":\"LostFilm\",\"translator_id\":12,"
    u"\"iframe_url\":\"http://catalogue.vorlantv.example/serial/a1b2c3d4e5f60718293a4b5c6d7e8f90/iframe\","
    u"\"seasons_count\":9,\"episodes_count\":188,\"category\":null,\"last_episode_time\":\"2015-11-18 21:40:11\"}]";

}  // namespace vorlan::app
