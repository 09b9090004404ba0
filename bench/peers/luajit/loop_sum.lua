-- loop_sum for LuaJIT, whose numbers are doubles: the sum is exact, but print would write it in
-- exponent form, so it is formatted as an integer
local N = 20000000
local s = 0
for i = 1, N do
  s = s + i
end
print(string.format('%.0f', s))
