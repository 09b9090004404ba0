-- collatz for LuaJIT, which has no integer division: x is even where it is halved, so x / 2 is
-- exact
local LIMIT = 300000
local M = {}
M[1] = 0
local best_len = 0
local best = 1
local s = 0
for n = 2, LIMIT - 1 do
  local x = n
  local b = 0
  repeat
    if x % 2 == 0 then
      x = x / 2
    else
      x = 3 * x + 1
    end
    b = b + 1
  until x < n
  M[n] = b + M[x]
  s = s + M[n]
  if M[n] > best_len then
    best_len = M[n]
    best = n
  end
end
print(best .. ' ' .. best_len)
print(s)
