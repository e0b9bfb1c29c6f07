// SPDX-License-Identifier: GPL-3.0-or-later
// A server that takes every connection on a Unix socket and never answers,
// as a sound server that has hung does. Runs until it is killed.
//
//   silentsocket PATH

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <vector>

int main(int argc, char *argv[])
{
    if (argc < 2 || std::strlen(argv[1]) >= sizeof(sockaddr_un::sun_path))
        return 2;
    const int server = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, argv[1]);
    if (bind(server, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
        listen(server, 16) != 0)
        return 1;
    std::vector<int> held; // accepted and kept open, never read
    for (;;) {
        const int client = accept(server, nullptr, nullptr);
        if (client >= 0)
            held.push_back(client);
    }
}
