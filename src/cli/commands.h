#pragma once

class CliDispatcher;

// Adds every command of vlmcli to the dispatcher, in the order of its help list.
void RegisterCommands(CliDispatcher &dispatcher);
