#include "catalog/media/id3v1.h"

#include <array>
#include <cstring>

#include "platform/text/cp437.h"

namespace tembrel::media {
namespace {

// The list as the common players extended it, with their spellings.
constexpr std::array<std::string_view, 148> kGenres = {
    "Blues", "Classic Rock", "Country", "Dance", "Disco", "Funk", "Grunge", "Hip-Hop",
    "Jazz", "Metal", "New Age", "Oldies", "Other", "Pop", "R&B", "Rap",
    "Reggae", "Rock", "Techno", "Industrial", "Alternative", "Ska", "Death Metal", "Pranks",
    "Soundtrack", "Euro-Techno", "Ambient", "Trip-Hop", "Vocal", "Jazz+Funk", "Fusion", "Trance",
    "Classical", "Instrumental", "Acid", "House", "Game", "Sound Clip", "Gospel", "Noise",
    "AlternRock", "Bass", "Soul", "Punk", "Space", "Meditative", "Instrumental Pop", "Instrumental Rock",
    "Ethnic", "Gothic", "Darkwave", "Techno-Industrial", "Electronic", "Pop-Folk", "Eurodance", "Dream",
    "Southern Rock", "Comedy", "Cult", "Gangsta", "Top 40", "Christian Rap", "Pop/Funk", "Jungle",
    "Native American", "Cabaret", "New Wave", "Psychadelic", "Rave", "Showtunes", "Trailer", "Lo-Fi",
    "Tribal", "Acid Punk", "Acid Jazz", "Polka", "Retro", "Musical", "Rock & Roll", "Hard Rock",
    "Folk", "Folk-Rock", "National Folk", "Swing", "Fast Fusion", "Bebob", "Latin", "Revival",
    "Celtic", "Bluegrass", "Avantgarde", "Gothic Rock", "Progressive Rock", "Psychedelic Rock",
    "Symphonic Rock", "Slow Rock",
    "Big Band", "Chorus", "Easy Listening", "Acoustic", "Humour", "Speech", "Chanson", "Opera",
    "Chamber Music", "Sonata", "Symphony", "Booty Bass", "Primus", "Porn Groove", "Satire", "Slow Jam",
    "Club", "Tango", "Samba", "Folklore", "Ballad", "Power Ballad", "Rhythmic Soul", "Freestyle",
    "Duet", "Punk Rock", "Drum Solo", "A capella", "Euro-House", "Dance Hall", "Goa", "Drum & Bass",
    "Club-House", "Hardcore", "Terror", "Indie", "BritPop", "Afro-Punk", "Polsk Punk", "Beat",
    "Christian Gangsta Rap", "Heavy Metal", "Black Metal", "Crossover", "Contemporary Christian",
    "Christian Rock", "Merengue", "Salsa",
    "Trash Metal", "Anime", "Jpop", "Synthpop",
};

std::string Field(std::span<const std::byte> tag, size_t at, size_t size) {
  std::string_view raw(reinterpret_cast<const char*>(tag.data()) + at, size);
  raw = raw.substr(0, std::min(raw.find('\0'), raw.size()));
  if (text::IsValidUtf8(raw)) return std::string(raw);
  std::string out;
  for (char c : raw) text::AppendUtf8(out, static_cast<unsigned char>(c));  // ISO-8859-1
  return out;
}

}  // namespace

std::string Id3v1GenreName(unsigned number) {
  if (number < kGenres.size()) return std::string(kGenres[number]);
  return std::to_string(number);
}

// Offsets in the tag: "TAG", title 3, artist 33, album 63 (30 each), year 93 (4),
// comment 97 (30), genre number 127.
std::optional<std::string> DescribeId3v1(std::span<const std::byte> tag) {
  if (tag.size() < kId3v1TagBytes || std::memcmp(tag.data(), "TAG", 3) != 0) return std::nullopt;
  const char* crlf = "\r\n";
  std::string text = "Title: " + Field(tag, 3, 30);
  text += crlf + std::string("Artist: ") + Field(tag, 33, 30);
  text += crlf + std::string("Album: ") + Field(tag, 63, 30);
  text += crlf + std::string("Year: ") + Field(tag, 93, 4);
  text += crlf + std::string("Genre: ") + Id3v1GenreName(static_cast<uint8_t>(tag[127]));
  text += crlf + std::string("Comment: ") + Field(tag, 97, 30);
  return text;
}

}  // namespace tembrel::media
