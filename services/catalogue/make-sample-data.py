#!/usr/bin/env python3
"""Writes the stand-in catalogue's sample answers (data/N.json) and player
pages (player/TOKEN.html) from the film list below. Run it after editing the
list; the generated files are committed."""
import hashlib
import html
import json
import os

PLAYER_HOST = "127.0.0.1:18081"

# kinopoisk_id, Russian title, English title, kind, seasons, episodes, last episode, translators
FILMS = [
    (306084, "Теория Большого взрыва", "The Big Bang Theory", "serial", 12, 279, "2019-05-16 21:30:00",
     [(8, "Кураж-Бамбей"), (2, "Субтитры"), (1, "LostFilm")]),
    (464963, "Игра престолов", "Game of Thrones", "serial", 8, 73, "2019-05-20 05:00:00",
     [(1, "LostFilm"), (2, "Субтитры"), (17, "AlexFilm"), (3, "Amedia")]),
    (404900, "Во все тяжкие", "Breaking Bad", "serial", 5, 62, "2013-09-30 04:00:00",
     [(1, "LostFilm"), (12, "NewStudio"), (2, "Субтитры")]),
    (77044, "Друзья", "Friends", "serial", 10, 236, "2004-05-07 03:00:00",
     [(30, "Paramount Comedy"), (2, "Субтитры")]),
    (502838, "Шерлок", "Sherlock", "serial", 4, 13, "2017-01-15 23:30:00",
     [(40, "Первый канал"), (2, "Субтитры"), (17, "AlexFilm")]),
    (253245, "Доктор Хаус", "House M.D.", "serial", 8, 177, "2012-05-22 04:00:00",
     [(1, "LostFilm"), (41, "Первый канал"), (2, "Субтитры")]),
    (326, "Побег из Шоушенка", "The Shawshank Redemption", "film", None, None, None,
     [(50, "Дубляж"), (51, "Гоблин"), (2, "Субтитры")]),
    (448, "Форрест Гамп", "Forrest Gump", "film", None, None, None,
     [(50, "Дубляж"), (52, "Многоголосый закадровый")]),
    (435, "Зелёная миля", "The Green Mile", "film", None, None, None,
     [(50, "Дубляж"), (2, "Субтитры")]),
    (258687, "Интерстеллар", "Interstellar", "film", None, None, None,
     [(50, "Дубляж"), (53, "Одноголосый закадровый"), (2, "Субтитры")]),
    (46225, "Ирония судьбы, или С лёгким паром!", "The Irony of Fate", "film", None, None, None,
     [(60, "Оригинал"), (2, "Субтитры")]),
]


def token_for(kinopoisk_id, translator_id):
    return hashlib.md5(f"{kinopoisk_id}/{translator_id}".encode()).hexdigest()


def entry(film, translator_id, translator):
    kinopoisk_id, title_ru, title_en, kind, seasons, episodes, last_episode, _ = film
    token = token_for(kinopoisk_id, translator_id)
    item = {
        "title_ru": title_ru,
        "title_en": title_en,
        "token": token,
        "type": kind,
        "kinopoisk_id": kinopoisk_id,
        "translator": translator,
        "translator_id": translator_id,
        "iframe_url": f"http://{PLAYER_HOST}/serial/{token}/iframe",
    }
    if kind == "serial":
        item["seasons_count"] = seasons
        item["episodes_count"] = episodes
    item["category"] = None
    item["last_episode_time"] = last_episode
    return item


PLAYER_PAGE = """<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<title>{title_ru} ({translator})</title>
<style>
body {{ margin: 0; background: #111; color: #eee; font: 16px sans-serif; }}
.player {{ position: absolute; inset: 0; display: flex; flex-direction: column; align-items: center;
  justify-content: center; background: radial-gradient(#334, #111); }}
.play {{ width: 0; height: 0; border-left: 48px solid #eee; border-top: 28px solid transparent;
  border-bottom: 28px solid transparent; margin: 16px; opacity: .8; }}
small {{ color: #aaa; }}
</style>
</head>
<body>
<div class="player">
<h2>{title_ru}</h2>
<small>{title_en} &middot; {translator}</small>
<div class="play"></div>
</div>
</body>
</html>
"""


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    os.makedirs(os.path.join(here, "data"), exist_ok=True)
    os.makedirs(os.path.join(here, "player"), exist_ok=True)
    for film in FILMS:
        items = [entry(film, tid, name) for tid, name in film[7]]
        with open(os.path.join(here, "data", f"{film[0]}.json"), "w", encoding="utf-8") as out:
            out.write(json.dumps(items, ensure_ascii=False, separators=(",", ":")))
        for item in items:
            page = PLAYER_PAGE.format(title_ru=html.escape(item["title_ru"]), title_en=html.escape(item["title_en"]),
                                      translator=html.escape(item["translator"]))
            with open(os.path.join(here, "player", item["token"] + ".html"), "w", encoding="utf-8") as out:
                out.write(page)
    with open(os.path.join(here, "data", "empty.json"), "w", encoding="utf-8") as out:
        out.write("[]")


if __name__ == "__main__":
    main()
