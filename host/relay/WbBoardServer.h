// The whiteboard server's part that the relay between two modules plays: it keeps each board's
// current page as the members' records build it (a page's whole content, a new page, objects
// added, changed, restacked and deleted) and answers a member's content request (sent type 2)
// with that page: a type-2 message (received as method 2) with op 2 and one node per object,
// the page's number and the board's page count. A board is the session URI, the
// data-conference id and the sub-conference id of a record's head. A board nobody has told of
// a page yet shows page 1, empty, as every board opens.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "protocol/WbRecords.h"

namespace host {

class WbBoardServer {
 public:
  // Takes a whiteboard message a member sent (packed by PackWbMessage) into the board it
  // names; an unreadable one changes nothing.
  void Take(const std::string& packed);
  // Whether a packed message is a content request, which the server answers and no member
  // receives.
  static bool IsContentRequest(const std::string& packed);
  // The answer to a content request (packed, in the sent layout of type 2): the current page
  // of the board the request names.
  std::string Answer(const std::string& request) const;
  // "page N, K objects" of the board a packed message names.
  std::string Describe(const std::string& packed) const;

 private:
  // One object of a page as its last records left it: the payload's fixed bytes, its text
  // (path, text or picture data) and its style record, each where the payload has one.
  struct Object {
    std::string block;
    bool hasText = false;
    std::string text;
    bool hasStyle = false;
    WbStyleRecord style;
  };
  struct Board {
    int page = 1;
    int pageCount = 1;
    std::vector<Object> objects;  // in stacking order, bottom first
  };
  static std::string BoardKey(const std::string& packed);
  static Object ObjectOf(const void* payload);
  static void Merge(Object* stored, const Object& change);
  static std::vector<Object>::iterator Find(std::vector<Object>& objects, const void* payload);
  void TakeObject(Board& board, DWORD type, const void* payload);
  std::map<std::string, Board> boards_;
};

}  // namespace host
